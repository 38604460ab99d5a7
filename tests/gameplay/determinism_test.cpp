// Whole games run twice must agree to the last bit, and a play frame must not
// allocate: replays and the frame budget both rest on it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "counting_new.h"
#include "game_fixture.h"
#include "gameplay/collision.h"
#include "gameplay/player.h"
#include "media/music.h"
#include "shell/dump.h"
#include "shell/game_vars.h"
#include "shell/sound_service.h"

namespace omb {
namespace {

// Weaving, shooting, holding and letting go of the barrier, and bombing.
constexpr const char* BusyOpening =
    "1 0\n"
    "60 20\n"       // up and shoot
    "40 17\n"       // left and shoot
    "80 84\n"       // right, shoot, barrier
    "30 0\n"
    "5 32\n"        // bomb
    "100 24\n"      // down and shoot
    "120 81\n"      // left, shoot, barrier
    "50 20\n"
    "5 32\n"
    "200 21\n";     // up-left, shoot
const std::string BusyInput = std::string(BusyOpening) + "3000 86\n";  // up-right, shoot, barrier

std::string StateAfter(int frames, const std::string& input, int sub = 0, int special = 0, int mode = 0) {
  HeadlessGame game(input, 1, sub, special, mode);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.Frames(frames);
  return DumpState();
}

uint64_t Fnv1a(std::string_view text) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

TEST(DeterminismTest, TheSameInputGivesTheSameGame) {
  for (int sub = 0; sub < 3; ++sub) {
    const std::string first = StateAfter(3001, BusyInput, sub, sub);
    const std::string second = StateAfter(3001, BusyInput, sub, sub);
    ASSERT_EQ(first, second) << "sub shot " << sub;
    EXPECT_NE(first.find("\"GameState\": 10"), std::string::npos);
  }
}

// A whole stage: weaving, bombing, then shooting from below the boss with
// the barrier taken up and let go in turn, so that bullets are captured and
// fired back as the special weapon.
std::string WholeStageInput() {
  std::string input = BusyOpening;
  input += "48 1\n90 8\n";  // back to the middle, near the bottom
  for (int k = 0; k < 80; ++k) input += "60 16\n40 80\n1 16\n";
  return input;
}

// The state dump in parts, so that a golden master that moves says what
// moved. Each top-level key goes to the first part whose prefix it has.
enum Part { RandomSeed, Score, Ship, Script, Boss, EnemyRecords, Objects, Sprites, Rest, PartCount };
constexpr const char* PartNames[PartCount] = {"random seed", "score",   "ship and bombs", "script and stage",
                                              "boss state",  "enemy records", "objects", "sprites", "the rest"};
constexpr std::pair<const char*, Part> PartPrefixes[] = {
    {"RandSeed", RandomSeed}, {"Score", Score},         {"Bonus", Score},        {"Player.", Ship},
    {"Bombs.", Ship},         {"BarrierSize", Ship},    {"ShipBank", Ship},      {"Invuln", Ship},
    {"PodAngle", Ship},       {"OrbitAngle", Ship},     {"Shot", Ship},          {"Script", Script},
    {"Stage", Script},        {"Banner", Script},       {"BossState.", Boss},    {"Enemies", EnemyRecords},
    {"Objects", Objects},     {"Sprites", Sprites},
};

using PartHashes = std::array<uint32_t, PartCount>;

PartHashes HashParts(const std::string& dump) {
  std::array<std::string, PartCount> parts;
  Part part = Rest;
  std::istringstream lines(dump);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  \"", 0) == 0) {  // a top-level key
      part = Rest;
      for (const auto& [prefix, p] : PartPrefixes) {
        if (line.compare(3, std::strlen(prefix), prefix) == 0) {
          part = p;
          break;
        }
      }
    }
    parts[part] += line + "\n";
  }
  PartHashes hashes{};
  for (int p = 0; p < PartCount; ++p) {
    const uint64_t h = Fnv1a(parts[p]);
    hashes[p] = static_cast<uint32_t>(h ^ (h >> 32));
  }
  return hashes;
}

// The inputs of the golden runs: the whole stage above, the shot held
// throughout, or nothing at all.
std::string ShotHeld() { return "99999 16\n"; }
std::string NoInput() { return {}; }

// A golden run: a game from `--play STAGE`, its state hashed part by part
// every 1000 frames. `Golden` holds a line per checkpoint: its frame, then
// the hash of each part in PartNames' order.
struct GoldenRun {
  const char* Name;
  int Stage, Sub, Special, Mode;
  std::string (*Input)();
  int Checkpoints;
  const char* EndsWith;  // in the last dump: what the run is there to reach
  const char* Golden;
};
constexpr int CheckpointEvery = 1000;

// Any change to the play frame's arithmetic or to the order of random draws
// moves these hashes, and so does a new key of the dump; when such a change
// is meant, put the printed tables here with it.
constexpr GoldenRun GoldenRuns[] = {
    // THEATER until stage 2 has begun, and NORMAL until well after the ship was lost.
    {"stage 1 THEATER", 1, 0, 0, ModeTheater, WholeStageInput, 6, "\"Stage\": 2,", R"(
1000 50afca43 58537959 43177001 081465f7 e1fabc32 ed89ffa4 25c9a150 0ffdd342 0a4980bc
2000 6d389e28 87acf165 fbb3d87e 45aab2ad 0a425d4d d6c94026 61ebe2f7 551faf0a 0da2e64f
3000 6d3ce1d9 bc7b191e 08c0e0de 394e5779 90485f45 60781d40 484195eb e6d031c1 60184898
4000 a1654c34 7376ae7e b7bf6a5d 9e1e7a4d ea67cdbe b1ac151c 4963c628 db891683 5a07f8b4
5000 8ff600d8 2dd15c6d 9a323f83 f99db9ae a1b6a6f9 4c52328b 615ace1c 26487838 e90c6e60
6000 e3114bce 615c2e19 b31a88e5 dbddb610 cca5aa72 c9bfaef1 597a0be5 bc1ed7d1 ab2a47fe
)"},
    {"stage 1 NORMAL", 1, 1, 2, ModeNormal, WholeStageInput, 6, "\"Player.Alive\": 0,", R"(
1000 2c82a491 28a33aca f4349f5c 081465f7 e1fabc32 b51ed649 1d2dc487 7c95157e ee765a08
2000 a05e6793 b2f19ae6 7081eea0 008837f1 0a425d4d 461f2854 61720a38 4c034acb b312ac18
3000 61d67f8e 4510ca3b 674ad1c0 394e5779 7c81b948 4535b152 1f0b96b9 5a069461 1a829f9a
4000 16fa1a78 a27a2733 87753817 9e1e7a4d e5aabe79 4bb18ab3 edf3fdeb 37a8de75 cb9fac45
5000 87bf43a5 9395763d 4d6be92d e157dc9f 9bc9e8a4 0b6e4a76 0d726a8f a2e47122 2ceeab30
6000 6c5905c8 9395763d 4d6be92d 3f0bde8e 4fe3666e 0b6e4a76 d909fe5b bb507489 18d347bc
)"},
    // Stage 2 from its start: THEATER with the shot held until stage 3 has begun, and NORMAL with no
    // input until well after the ship was lost.
    {"stage 2 THEATER", 2, 2, 1, ModeTheater, ShotHeld, 11, "\"ScriptCount\": 219,", R"(
1000 418c6577 811c4238 8dd59889 57e12cc3 e1fabc32 24d8976f 8a481fb9 7bb64137 9b79cca8
2000 a6038b91 74718a4d b353d8a2 122fc382 0a425d4d 08ba5e89 b1914428 e3e81522 bd22b3a6
3000 c0bfd631 eeea4c17 8a4741a0 22e5e755 c7d5aebe d6c94026 e5857db7 9c0e973c 41552143
4000 0a5ed62c 93b7f581 60a7e84c 4f066440 76b639a0 d6c94026 e1ffd861 fe6a52cb 23e6e248
5000 4410f7f1 5257e660 af84a1f6 402498cb ba92e485 d6c94026 b5371d68 933397b9 666baf04
6000 53466bce 9bde585b 6255db4c e2562c4f 2e7bc1f5 1e1dbef0 2fe36ec4 7c8cc07c 536bb6de
7000 6db7ed74 6c1d89fe d0b98208 7af8e4bf ce5c78d6 faf7313e 1a7aa950 241de86a 4e8b506f
8000 7273852a 8937b608 c3c72c89 9f109526 e2345f10 7e3f0339 c15f766d 5bf1072a e9a861e9
9000 a8f7e3bc 7a953f12 29997407 52724d27 b1392d7a f3ffebe5 7aaa762b b540ad3f 794593ea
10000 bb6c226e f31c54ff a03c4b64 c531da43 78637ba2 5b5202fe e342c47b 85f4e803 af603575
11000 4607430d 5084fcec 651b2473 d81ab47f 1dd1df4a 42766abf f063cf28 db64c36d a8c50191
)"},
    {"stage 2 NORMAL", 2, 0, 2, ModeNormal, NoInput, 4, "\"Player.Alive\": 0,", R"(
1000 3d52c15d ead3f908 94d3b6a2 57e12cc3 b35d5cae 0c3a956f 47f01d87 a917a42d f0081d7d
2000 21719153 ead3f908 fefbe496 122fc382 e9fc5b9d e570a4b3 4f482d5c a1d29c8f 936e3dd1
3000 6042e0c4 ead3f908 5aab8af5 39bab25d de96c698 14ea603e 1446470e e18857dc a310e3c5
4000 cbc75be3 ead3f908 60fbd6a6 4f066440 fa688034 d6c94026 96cce4f5 018963cc 5dcdd91a
)"},
    // Stage 3: THEATER shooting from the start place through every attack of
    // the boss's three lives into stage 4's start, and NORMAL without input
    // until the game is over.
    {"stage 3 THEATER", 3, 2, 0, ModeTheater, ShotHeld, 15, "\"ScriptCount\": 154,", R"(
1000 8d28520c 574b1976 eb028419 9cc4abce e1fabc32 cdecd781 f985be6d 55b29fd8 49bf7bdb
2000 6b896262 2fb51853 55d831be 3ca0a9ca 0a425d4d f8347eb5 03241f6d f90bd0ea a9fe3dae
3000 7f9141f4 686b9b51 6c778fe4 f069f616 c7d5aebe 0c4723cd b7fe8d3e 67265be1 dd0970d7
4000 40dbe5ed b7ffe989 c97f89d6 e3865e9a 76b639a0 d6c94026 1c1aff0c 5c8012ea 8b8aa394
5000 589529a0 8c072672 719f374c aa83dcb4 ba92e485 4373d916 ca53e6a8 087ad4a4 0c89143d
6000 43171289 f73112f6 672391c6 a9178d87 2e7bc1f5 c2ff5cf1 6134e0a1 493e2fbb 25fa3d90
7000 774322cd 5ace6edd 352f3a8b 638df8d2 e33a2356 d6c94026 fb89b679 130ae92a a8a67a49
8000 c9ddff42 cdf2adf3 c3c72c89 d1b04ac0 baedd9bf 18303c47 d738f149 f88bc62e 5d959ea3
9000 5df1e5b8 3fbc1c16 29997407 7b34bfae e0940f56 650800dd eecb29c5 792a1126 ee53d8e7
10000 7c260764 14368f6c a03c4b64 19bc2114 a287637b 569deaf9 4d72779f 110095ef fa3f392b
11000 2e169efa 389a2d0f 91da74c8 cf35c93e f6f741f6 694b7277 b1f0f5dc fe0e0838 4aa3b4b5
12000 90d38915 b18014f5 a6adf282 9bad761a 4cde6f61 254231e3 aa61a982 03c0e569 c61f3bb3
13000 eb1e33e8 2eb07c65 30e9d10d 378f9b1c 5fdff219 b89ad8d5 575b9513 f52ce2f8 bf317ebd
14000 5387a09e 6d2ca0e8 a444d020 9fa7e512 1d53dfdb 65315d0a 26090252 ef7f60a8 4b064072
15000 0d3717e5 85747ea0 c49ed86c 7a136190 83a24a76 feef17e2 cc119312 4178d910 9fc1d63c
)"},
    {"stage 3 NORMAL", 3, 2, 1, ModeNormal, NoInput, 4, "\"Player.Alive\": 0,", R"(
1000 27739830 ead3f908 a342a52c 9cc4abce b35d5cae 4542f5a4 e0d8952e e2f4b9c6 d17d4f88
2000 b89a5275 ead3f908 07db8baf 3ca0a9ca e9fc5b9d ee7af3cb 058efb01 4cf322f1 5226a0c6
3000 5b194bae ead3f908 61122ca1 f069f616 de96c698 a23e7c4a 260b54d3 d7cfedaf 9ce81d75
4000 2e83b18b ead3f908 61122ca1 e3865e9a fa688034 3ac1b907 a77dbf2f 981c9cae 0796ed09
)"},
    // Stage 4: THEATER with the shot held through the all clear to the end of the game, and NORMAL with no
    // input until after the ship was lost.
    {"stage 4 THEATER", 4, 0, 0, ModeTheater, ShotHeld, 13, "\"AllClear\": 1,", R"(
1000 81ba26fa 3c202aa6 3fb1bdb7 550cb12d e1fabc32 54059bc5 e7bb0b7e 738a28a8 15a2a926
2000 6e6624b6 4217de7f fae5c108 d1cef776 0a425d4d fe5ddeec 43309833 62f46b68 bf2a8ba6
3000 4e09d76d 0a89f996 9b196917 e8741916 c7d5aebe d49b0095 3e61a6f2 9575cc66 aa6b2e5c
4000 baf0005c 396f3c1b 0d726610 033b1cff 76b639a0 9e8e1dc3 e5d47c7b 0120ab63 d6914e7f
5000 7d4e0a86 9ee0eeac 623ab619 ed00df69 5bc35c1c cbbfccc5 f59fe0b6 55f440c9 366ae605
6000 a934f641 0e1130fa 5ec0c03c 3c2f185d 08c445cf 4a385e64 21976179 160e3aaf dfb3dfc4
7000 eb542fb5 7b989d23 2d37101a d221236a 528439e1 0611093b 8f8fdc85 e3ae1415 673fd95a
8000 0f0d8065 9a8fafd6 406b966c 2acbf92e 33d92a49 809e60c3 932e5f01 accc3103 674b85d4
9000 909cae39 546a5cea 40d567a2 fa365958 a29bc4e4 71957499 6eb0cce8 12d2faf3 8f4ff0a9
10000 2ebef910 546a5cea 0fd75c1c 9726baa1 2355ad14 71957499 08e6d141 5a6b522e 46b8c931
11000 f564725a 546a5cea ea298219 e322fa1c b00b2282 baba6d9e 763dc12d f08a227d 259c3216
12000 2010e0a3 546a5cea abfd0e78 52c249ee 8173e53e d6c94026 717f3c3c 4f149cee c04a6a84
13000 8bdaaddd 6f8c0fc1 47ef7a74 2403785f 3afb9658 d6c94026 6e4e22c9 cf601041 709be304
)"},
    {"stage 4 NORMAL", 4, 0, 0, ModeNormal, NoInput, 3, "\"Player.Alive\": 0,", R"(
1000 81ba26fa ead3f908 743eac56 550cb12d b35d5cae e6a78d0b 22f739b1 a7159288 21a44651
2000 b15f8ef6 ead3f908 bafcfee1 d1cef776 e9fc5b9d 1278da63 55aeebe6 03c1a7f4 dbc4d19a
3000 afc828ac ead3f908 434f4fdf e8741916 de96c698 256aab1f 612fa62e 6903b195 555d3bcc
)"},
    // The whole game: THEATER with the shot held from stage 1 through the all clear.
    {"whole game THEATER", 1, 0, 0, ModeTheater, ShotHeld, 37, "\"AllClear\": 1,", R"(
1000 7bc81f71 f01e8d20 ac30f470 081465f7 e1fabc32 d6c94026 02575ac9 1e2340de 73c9732c
2000 ed6a2b31 42cf6123 289370e4 008837f1 0a425d4d c0c22c5c b6d528b4 ca14a0ee bf87f663
3000 20eb8a17 edde0ae4 24538143 394e5779 2fa20f95 bce8143c 4ceff158 7e6708ae 49453398
4000 5b4a6f50 e7fb025c 5af9448e cb344840 391a8d31 d6c94026 42e49816 60bf8d55 a545629f
5000 e575fd4f cedc16e0 ff11b74b 4f270f82 a0ee280d d6c94026 6546f6b0 5b525985 db379d1b
6000 9f86d48a 746ba714 1cf2b4d3 6b4348d5 4548466d 387b8fc9 5a6af6ba f2364abf 8eda2c95
7000 c7ab071a f67fd12a e5a141db 972b3393 b2efed07 a5ce0a63 d1fa4e36 7f8df5df 41a05514
8000 9582f947 e855e9af ebefab37 44941129 69d0989f 73275086 17d44aaf 1a677e23 c4a6196d
9000 b4a40ede acf17cf2 fc71142c 4ea4ae13 88a4439b d9c91765 37a4e224 80e0d0f7 a96457ed
10000 9641a547 3b3e0ae0 2bc4b440 dad4c47f 4322b240 73ce100b 901e191e acedfa89 b8837dcb
11000 a2a1c630 b0dcbe2e 1fc26761 014ceb80 7649dd52 17810031 b28c6d89 a905d598 57978f29
12000 3fb7794a 0e9580eb abfd0e78 6d5da424 8e90ccda 8ac2f363 27fe9222 4fd90c79 1aaad6be
13000 3efa2a15 9bb097a4 47ef7a74 5f647af8 b9bbb624 f971c568 3612a990 5572b79b b022b3ac
14000 e7821d80 ff2e54d9 26b34720 f1fb38be 18aff2c6 d6c94026 6484a857 bc540fb5 451edaab
15000 b3f932dd bbd11027 beff4b54 15ba0564 158efdb1 c20a6ad6 f31b13ce 71705a6e f71cb8a1
16000 79d841d1 0b7dc407 6f762e46 a1040ca7 76be27eb 6aaba51b af813154 80bad261 b58a5ebb
17000 7b8d52c9 ad21b40e 314299ba 91a4614a 783e1f0f 75335a58 da746665 7cac50d9 c76a8894
18000 1d51dbbd 8ec2c822 2e282f75 e5fe6c3d cbc15641 ad6fa873 e6824adf f9cb3be2 d75d0e05
19000 9e2ee8e1 47b3e4ef 782fac7d 97b20da7 8b6335ed 86c75380 47c0a0a9 56d9aa28 735ed935
20000 c82c550e 97a1a290 0853ac28 2def5365 accaee40 3519d46e a2142270 bf2a3f14 e789668a
21000 c48a6685 f703e324 4bbcc42a 4ba63a85 34c05f6b a903d025 781799c8 9401b195 84518ead
22000 111be6dd 7f366dfe c24bf7fe 6ef1dbca 2aed9f3e 2eee7fc0 cb1b7e6b c98eb872 66f35ede
23000 83ff2f4f 649d6c25 9b3005d1 130d78ff 3254c3f4 9511865f a7b6102e fc97f56a e2beec8b
24000 35ecbafe 2e147975 3da6abe1 24b05aec 7d55c8fe 515c1a58 bd8374c8 3b7ceb69 ad32c4ad
25000 f3a894b8 398942ad dae9bee8 dcac028a e34cc33c 0992b374 d38be587 4ee8cef5 70626495
26000 7b1c55f8 f5bd258a 3d574d5b 95de6c90 4315f5a0 2b0e2445 b764fa70 c12acafa 680afde7
27000 64dcc8fd 5478074f 2ad94ad9 b78b3ecc d83b8330 2b93632d 1098346a 8377dd2c f23b18b1
28000 19078610 79770cb7 c3adc394 138ca9fa ecb6f30c 1d83d7bc 9f2bdc04 2aecc8b7 792e1a54
29000 025bdfc2 e155dba5 897e548e 5b5ab3b5 db5e4672 0fc61268 85f0ad73 b24a3ec5 aa678586
30000 01017218 b1b8436c 12ece8f9 0427e0a5 68788a79 5e8b98e6 d9bfaa6a 05ed97ca 6fa402cf
31000 fdf5d93a 175fae76 19153015 193765a7 40ab54be 3d7ce207 d0fd5480 ee0dd201 ab423e92
32000 56d51c30 b0963c56 ccf5a0c0 b5958944 eaf2ea40 58889f9a 792adb00 9f96b4b0 6d5af91f
33000 742efc69 f6f399bf b3ed92db 1b318fc5 07a25cf3 c0419f8c 6b9a779b 978d9d57 d20adb89
34000 ce450871 a7a924de c1e59044 1747afad 15dad174 933ed323 c3280e44 4239cebd f1e1a9df
35000 1ca46ab1 53eccb33 7805b502 0d1be506 fbaef89f 58151ccc 55f92552 13882936 25ecafd8
36000 43ccd6ef a6518da3 f097c98b 69aa97de 2ee9f3a1 0b5bd2ce 08139b9d f3fdf1c7 37205058
37000 a3d56c2d 88fb8684 81d34e6e e1bea0b4 4a33cbb1 d6c94026 ffda2a21 5cbd2b77 b1cc4c93
)"},
};

std::string Table(const std::vector<PartHashes>& checkpoints) {
  std::string table;
  char line[16];
  for (std::size_t k = 0; k < checkpoints.size(); ++k) {
    table += std::to_string((k + 1) * CheckpointEvery);
    for (const uint32_t h : checkpoints[k]) {
      std::snprintf(line, sizeof line, " %08x", h);
      table += line;
    }
    table += "\n";
  }
  return table;
}

TEST(DeterminismTest, GoldenMasters) {
  for (const GoldenRun& run : GoldenRuns) {
    HeadlessGame game(run.Input(), run.Stage, run.Sub, run.Special, run.Mode);
    ButtonFunction = {0, 1, 2, 3, 3, 3};
    SkipDrawing = true;  // the state is the same, drawn or not
    std::vector<PartHashes> checkpoints;
    std::vector<int32_t> stages;
    std::string dump;
    for (int k = 0; k < run.Checkpoints; ++k) {
      game.Frames(CheckpointEvery);
      dump = DumpState();
      checkpoints.push_back(HashParts(dump));
      stages.push_back(Stage);
    }
    EXPECT_NE(dump.find(run.EndsWith), std::string::npos) << run.Name << " no longer reaches " << run.EndsWith;
    const std::string table = Table(checkpoints);
    if (table == run.Golden + 1) continue;  // past the raw string's first line break
    // Where it first moved, and what moved there.
    std::istringstream golden(run.Golden + 1);
    for (std::size_t k = 0; k < checkpoints.size(); ++k) {
      std::string line;
      std::getline(golden, line);
      std::istringstream fields(line);
      int frame = 0;
      fields >> frame;
      std::string moved;
      for (int p = 0; p < PartCount; ++p) {
        uint32_t h = 0;
        fields >> std::hex >> h;
        if (h != checkpoints[k][p]) moved += std::string(moved.empty() ? "" : ", ") + PartNames[p];
      }
      if (moved.empty()) continue;
      ADD_FAILURE() << run.Name << ": at frame " << (k + 1) * CheckpointEvery << " (stage " << stages[k]
                    << ") moved " << moved << "; the new table:\n" << table;
      break;
    }
  }
}

// A new game from the title: its first five play frames.
std::string NextGameStart(HeadlessGame& game) {
  DirectPlayRequest = {true, 1, 0, 0, 0};
  game.Frames(1 + 5);
  return DumpState();
}

TEST(DeterminismTest, TwoGamesInARowStartAlikeHoweverTheFirstEnded) {
  HeadlessGame game({}, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.Frames(100);
  FormKeyDown(KeyEscape);  // left with the ship alive
  game.Frames(1);
  ASSERT_EQ(GameState, StateTitle);
  const std::string afterEscape = NextGameStart(game);

  Invuln = 0;
  Player.Life = 1;
  PlayerHit(false);  // this one ends with the ship lost
  game.Frames(60);
  FormKeyDown(KeyEscape);
  game.Frames(1);
  const std::string afterLoss = NextGameStart(game);
  EXPECT_EQ(afterEscape, afterLoss);
  EXPECT_NE(afterLoss.find("\"PlayTime\": 5,"), std::string::npos);
}

// Each stage starts its tune, and its boss its own, in order, over a whole
// game: the stage tunes are 1, 3, 5, 7 and the boss tunes 2, 4, 6, 8.
TEST(DeterminismTest, AWholeGamePlaysEachStagesTuneThenItsBossTune) {
  HeadlessGame game(ShotHeld(), 1, 0, 0, ModeTheater);
  for (int i = 0; i < 9; ++i) MidiName[i] = std::to_string(i) + ".mid";
  SkipDrawing = true;
  game.platform.MusicLog.clear();
  for (int f = 0; f < 40000 && !AllClear; ++f) game.Frames(1);
  ASSERT_TRUE(AllClear);
  std::vector<int> tunes;
  for (const auto& entry : game.platform.MusicLog) {
    const std::string_view e = entry;
    if (e.starts_with("open midi/")) tunes.push_back(e[10] - '0');
  }
  EXPECT_EQ(tunes, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(DeterminismTest, PlayFramesAllocateNothing) {
  HeadlessGame game(BusyInput, 1);
  ButtonFunction = {0, 1, 2, 3, 3, 3};
  game.platform.Sounds.reserve(1 << 16);
  game.Frames(20);  // into play, past the first frame's set-up
  ASSERT_EQ(GameState, StatePlay);
  Allocations = 0;
  CountAllocations = true;
  game.Frames(1000);
  CountAllocations = false;
  EXPECT_EQ(Allocations, 0);
}

// A boss arriving or the next stage starting changes the tune in play.
TEST(DeterminismTest, TuneChangesInPlayAllocateNothing) {
  HeadlessGame game(BusyInput, 1);
  game.platform.Sounds.reserve(1 << 16);
  MusicOn = true;
  // As the music list will name them at start-up: each longer than the last
  // and past the short-string size, so any copy on the way needs the heap.
  for (int i = 0; i < 9; ++i) MidiName[i] = "tune " + std::to_string(i) + std::string(5 * i, '~') + ".mid";
  PreloadTunes();
  game.Frames(20);
  ASSERT_EQ(GameState, StatePlay);
  Allocations = 0;
  CountAllocations = true;
  char reply[16] = {};
  for (int n = 2; n < 9; ++n) {
    PlayMidi(n);
    game.Frames(10);
    MciSendString("status FILE mode", reply, sizeof reply);
  }
  CountAllocations = false;
  EXPECT_EQ(Allocations, 0);
  EXPECT_STREQ(reply, "playing");
  EXPECT_EQ(game.platform.MusicLog.back(), "play");
  EXPECT_EQ(game.platform.MusicFile, "midi/" + MidiName[8]);
}

}  // namespace
}  // namespace omb
