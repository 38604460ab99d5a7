// The nine tunes, in the order of the music list: the title, then each
// stage's tune and its boss's tune. Each is written in the notation of
// mml.h; the chord macros every tune shares ($aEm, $bC, ...) are generated
// below, so a tune reads as its progression, its melody and its drums.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "files.h"
#include "mml.h"

namespace assetgen {
namespace {

struct Chord {
  const char* Name;  // as used in macro names: "Fsm" is F sharp minor
  int Root;          // pitch class, 0 = C
  bool Minor;
};

constexpr Chord Chords[] = {
    {"C", 0, false},   {"Cm", 0, true},   {"Cs", 1, false},  {"Db", 1, false}, {"D", 2, false},
    {"Dm", 2, true},   {"Eb", 3, false},  {"E", 4, false},   {"Em", 4, true},  {"F", 5, false},
    {"Fm", 5, true},   {"Fs", 6, false},  {"Fsm", 6, true},  {"G", 7, false},  {"Gm", 7, true},
    {"Ab", 8, false},  {"A", 9, false},   {"Am", 9, true},   {"Bb", 10, false}, {"B", 11, false},
    {"Bm", 11, true},
};

// Places pitch class `pc` in [lo, lo + 11].
int Place(int pc, int lo) { return lo + ((pc - lo) % 12 + 12) % 12; }

std::string Notes(std::initializer_list<int> keys) {
  std::string s;
  for (int k : keys) s += " n" + std::to_string(k);
  return s;
}

// For every chord X: $aX sixteenth arpeggio, $hX eighth arpeggio, $bX
// eighth-note bass, $BX bass in halves, $pX held chord, $sX brass stabs;
// $a2X, $h2X, $b2X, $B2X, $p2X are their half-bar forms.
std::string ChordMacros() {
  std::string out;
  for (const Chord& c : Chords) {
    const int third = c.Minor ? 3 : 4;
    const int r = Place(c.Root, 52), t = r + third, f = r + 7;  // arpeggios from E3
    const int b = Place(c.Root, 33);                           // bass from A1
    const int p = Place(c.Root, 55);                           // pads from G3
    const int s = Place(c.Root, 60);                           // stabs from C4
    const std::string n = c.Name;
    std::string a16 = Notes({r, t, f, r + 12, r, t, f, r + 12});
    out += "$a" + n + " = l16" + a16 + a16 + "\n";
    out += "$a2" + n + " = l16" + a16 + "\n";
    std::string h4 = Notes({r, f, r + 12, t + 12});
    out += "$h" + n + " = l8" + h4 + Notes({f + 12, t + 12, r + 12, f}) + "\n";
    out += "$h2" + n + " = l8" + h4 + "\n";
    std::string b4 = Notes({b, b, b + 12, b});
    out += "$b" + n + " = l8" + b4 + b4 + "\n";
    out += "$b2" + n + " = l8" + b4 + "\n";
    out += "$B" + n + " = l2" + Notes({b, b + 7}) + "\n";
    out += "$B2" + n + " = l2" + Notes({b}) + "\n";
    std::string chord = "{" + Notes({p, p + third, p + 7}) + " }";
    out += "$p" + n + " = l1 " + chord + "\n";
    out += "$p2" + n + " = l2 " + chord + "\n";
    std::string stab = "{" + Notes({s, s + third, s + 7}) + " }";
    out += "$s" + n + " = l8 " + stab + " r8 " + stab + " r8 r4 " + stab + " " + stab + "\n";
  }
  return out;
}

// Drum bars shared by the tunes; "F" marks a bar that ends in a fill.
const char* const Drums = R"(
$rock  = l8 K H S H K K S H
$rockC = l8 {KC} H S H K K S H
$rockF = l8 K H S H l16 S S M M L L K K
$four  = l8 K H {KX} H K H {KX} O
$fourC = l8 {KC} H {KX} H K H {KX} O
$fourF = l8 K H {KX} H l16 X X X X M M L L
$half  = l8 K H H H S H H H
$halfF = l8 K H H H l16 S S S S M M L L
$soft  = l8 K H H H Q H H H
$softF = l8 K H H H Q Q l16 Q Q Q Q
$tense = l16 K K H H S H K H K K H H S H M L
$tenseC = l16 {KC} K H H S H K H K K H H S H M L
$tenseF = l16 K K H H S H K H S S S S M M L L
$drive = l16 K H H H S H K H K H K H S H H H
$driveC = l16 {KC} H H H S H K H K H K H S H H H
$driveF = l16 K H H H S H K H S S M M L L K K
$brk   = l16 K r H r S r H K r K H r S r H r
$brkF  = l16 K r H r S r H K S S M M L L K K
)";

// The title: calm, in D minor, flute over a warm pad and celesta.
const char* const Title = R"(
tempo 92
Pad(1): @89 V70 P64 Y91,70
Pad: $pDm $pBb $pF $pC
Pad: $pDm $pBb $pF $pC $pDm $pBb $pGm $pA
Pad: $pBb $pC $pAm $pDm $pGm $pC $pF $pA
Pad: $pDm $pBb $pF $pC $pDm $pBb $p2Gm $p2A $pDm
Pad: $pBb $pC $pDm $pA
Arp(2): @8 V62 P80 Y91,60 v70
Arp: $hDm $hBb $hF $hC
Arp: $hDm $hBb $hF $hC $hDm $hBb $hGm $hA
Arp: $hBb $hC $hAm $hDm $hGm $hC $hF $hA
Arp: $hDm $hBb $hF $hC $hDm $hBb $h2Gm $h2A $hDm
Arp: $hBb $hC $hDm $hA
Bass(3): @33 V90 P60 v90
Bass: $BDm $BBb $BF $BC
Bass: $BDm $BBb $BF $BC $BDm $BBb $BGm $BA
Bass: $BBb $BC $BAm $BDm $BGm $BC $BF $BA
Bass: $BDm $BBb $BF $BC $BDm $BBb $B2Gm $B2A $BDm
Bass: $BBb $BC $BDm $BA
Lead(4): @73 V100 P58 Y91,64 v100 q7
Lead: r1 r1 r1 r1
$melA = o5 d4 e8 f8 a4. g8 | f4 d2 r4 | c4 d8 e8 g4. f8 | e4 c2 r4 | d4 e8 f8 a4. b-8 | o6 c4 o5 b-4 a4 g4
Lead: $melA | g4 a8 b-8 o6 c4 o5 b-4 | a1
Lead: o5 f2 d4 f4 | g2. e4 | e4 c4 e4 a4 | f2. r4 | g4 f4 d4 g4 | e2 c4 e4 | f4 g4 a4 o6 c4 | o5 c+2 e2
Lead: $melA | b-4 a4 g4 c+4 | d1
Lead: o5 d1 | e1 | f1 | e1
Drums(10): V80 v64
Drums: r1 r1 r1 r1
Drums: [$soft]7 $softF [$soft]7 $softF [$soft]7 $softF
Drums: $soft $soft $soft $softF
)";

// Stage 1: driving, E minor, saw lead over square arpeggios.
const char* const Stage1 = R"(
tempo 152
$progA = Em C D Bm Em C D D
Pad(1): @48 V64 P64 Y91,50
Pad: $pEm $pEm $pEm $pEm
Pad: [$pEm $pC $pD $pBm $pEm $pC $pD $pD]2
Pad: $pC $pD $pEm $pEm $pC $pD $pB $pB
Pad: $pAm $pEm $pAm $pB $pAm $pEm $pC $pB
Pad: $pEm $pC $pD $pBm $pEm $pC $pD $pD
Pad: $pEm $pEm $pC $pB
Arp(2): @80 V52 P84 v80
Arp: $aEm $aEm $aEm $aEm
Arp: [$aEm $aC $aD $aBm $aEm $aC $aD $aD]2
Arp: $aC $aD $aEm $aEm $aC $aD $aB $aB
Arp: $aAm $aEm $aAm $aB $aAm $aEm $aC $aB
Arp: $aEm $aC $aD $aBm $aEm $aC $aD $aD
Arp: $aEm $aEm $aC $aB
Bass(3): @38 V100 P64 v100
Bass: $bEm $bEm $bEm $bEm
Bass: [$bEm $bC $bD $bBm $bEm $bC $bD $bD]2
Bass: $bC $bD $bEm $bEm $bC $bD $bB $bB
Bass: $bAm $bEm $bAm $bB $bAm $bEm $bC $bB
Bass: $bEm $bC $bD $bBm $bEm $bC $bD $bD
Bass: $bEm $bEm $bC $bB
Lead(4): @81 V88 P50 Y91,40 v104 q7
$melA = o5 e8 g8 b8 o6 e4 o5 b8 a8 g8 | g4. e8 g4 a4 | f+4. d8 f+8 a8 o6 d8 o5 a8 | b2. r4 | o5 e8 g8 b8 o6 e4 d8 e8 f+8 | g4. f+8 e4 d4 | d4. c8 o5 b4 a4 | f+2 a4 f+4
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 e2 g4 o6 c4 | d2. o5 a4 | b4. a8 g4 b4 | e2. r4 | e4 g4 o6 c4 e4 | d4. e8 f+4 d4 | d+2 f+4 d+4 | o5 b2 a4 f+4
Lead: o5 a1 | g1 | a2 o6 c2 | o5 b1 | o6 c2 o5 a2 | b2 g2 | g2 e2 | f+1
Lead: $melA
Lead: o5 e1 | g1 | e1 | d+1
Drums(10): V96 v100
Drums: $rock $rock $rock $rockF
Drums: $rockC [$rock]6 $rockF $rockC [$rock]6 $rockF
Drums: $rockC [$rock]6 $rockF
Drums: $half [$half]6 $halfF
Drums: $rockC [$rock]6 $rockF
Drums: $rockC $rock $rock $rockF
)";

// Stage 1 boss: tense C minor, brass over tremolo strings.
const char* const Boss1 = R"(
tempo 160
Pad(1): @44 V72 P64 Y91,40
Pad: $pCm $pCm $pCm $pCm
Pad: [$pCm $pAb $pFm $pG $pCm $pAb $pDb $pG]2
Pad: $pAb $pBb $pCm $pCm $pAb $pBb $pG $pG
Pad: $pFm $pCm $pFm $pCm $pDb $pDb $pG $pG
Pad: $pCm $pAb $pFm $pG $pCm $pAb $pDb $pG
Pad: $pCm $pDb $pCm $pG
Arp(2): @81 V46 P40 v76
Arp: $aCm $aCm $aCm $aCm
Arp: [$aCm $aAb $aFm $aG $aCm $aAb $aDb $aG]2
Arp: $aAb $aBb $aCm $aCm $aAb $aBb $aG $aG
Arp: $aFm $aCm $aFm $aCm $aDb $aDb $aG $aG
Arp: $aCm $aAb $aFm $aG $aCm $aAb $aDb $aG
Arp: $aCm $aDb $aCm $aG
Bass(3): @39 V100 P64 v104
Bass: $bCm $bCm $bCm $bCm
Bass: [$bCm $bAb $bFm $bG $bCm $bAb $bDb $bG]2
Bass: $bAb $bBb $bCm $bCm $bAb $bBb $bG $bG
Bass: $bFm $bCm $bFm $bCm $bDb $bDb $bG $bG
Bass: $bCm $bAb $bFm $bG $bCm $bAb $bDb $bG
Bass: $bCm $bDb $bCm $bG
Lead(4): @61 V96 P70 Y91,40 v108 q7
$melA = o5 g2 f8 e-8 d8 e-8 | c2. r4 | a-4 g8 f8 e-4 f4 | d2. r4 | g2 a-8 g8 f8 g8 | o6 c2 o5 b-4 a-4 | a-4 f4 d-4 f4 | g2 b2
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 e-2 c2 | d2 f2 | g1 & g2. r4 | a-2 o6 c2 | d2 f2 | g1 | o5 b2 o6 d2
Lead: $sFm $sCm $sFm $sCm $sDb $sDb $sG $sG
Lead: $melA
Lead: o5 c1 | d-1 | c1 | o4 b1
Drums(10): V100 v104
Drums: $tense $tense $tense $tenseF
Drums: $tenseC [$tense]6 $tenseF $tenseC [$tense]6 $tenseF
Drums: $tenseC [$tense]6 $tenseF
Drums: [$half]7 $halfF
Drums: $tenseC [$tense]6 $tenseF
Drums: $tense $tense $tense $tenseF
)";

// Stage 2: A minor, four on the floor, square lead and slap bass.
const char* const Stage2 = R"(
tempo 144
Pad(1): @50 V60 P64 Y91,50
Pad: $pAm $pAm $pF $pG
Pad: [$pAm $pF $pC $pG $pAm $pF $pE $pE]2
Pad: $pDm $pAm $pF $pC $pDm $pAm $pE $pE
Pad: $pF $pG $pEm $pAm $pF $pG $pE $pE
Pad: $pAm $pF $pC $pG $pAm $pF $pE $pE
Pad: $pAm $pF $pG $pE
Arp(2): @90 V50 P88 v80
Arp: $aAm $aAm $aF $aG
Arp: [$aAm $aF $aC $aG $aAm $aF $aE $aE]2
Arp: $aDm $aAm $aF $aC $aDm $aAm $aE $aE
Arp: $aF $aG $aEm $aAm $aF $aG $aE $aE
Arp: $aAm $aF $aC $aG $aAm $aF $aE $aE
Arp: $aAm $aF $aG $aE
Bass(3): @36 V100 P64 v100
Bass: $bAm $bAm $bF $bG
Bass: [$bAm $bF $bC $bG $bAm $bF $bE $bE]2
Bass: $bDm $bAm $bF $bC $bDm $bAm $bE $bE
Bass: $bF $bG $bEm $bAm $bF $bG $bE $bE
Bass: $bAm $bF $bC $bG $bAm $bF $bE $bE
Bass: $bAm $bF $bG $bE
Lead(4): @80 V84 P44 Y91,40 v100 q6
$melA = o5 a8 a8 o6 c8 o5 a8 r8 g8 a4 | f8 f8 a8 f8 r8 e8 f4 | e8 g8 o6 c8 e8 d4 c4 | o5 b4. a8 g2 | a8 a8 o6 c8 o5 a8 r8 g8 a4 | f8 a8 o6 c8 f8 e4 d4 | e4. d8 c4 o5 b4 | g+2 b2
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 d4 f4 a4 o6 d4 | c2. o5 a4 | a4 o6 c4 f4 e4 | e2 d4 c4 | d4 c4 o5 a4 f4 | e2 a2 | g+4 b4 o6 e4 d4 | e1
Lead: o5 c1 | d1 | o4 b1 | o5 c1 | o4 a2 o5 c2 | o4 b2 o5 d2 | e1 | o4 g+1
Lead: $melA
Lead: o5 a1 | f1 | g1 | g+1
Drums(10): V96 v100
Drums: $four $four $four $fourF
Drums: $fourC [$four]6 $fourF $fourC [$four]6 $fourF
Drums: $fourC [$four]6 $fourF
Drums: [$half]7 $halfF
Drums: $fourC [$four]6 $fourF
Drums: $four $four $four $fourF
)";

// Stage 2 boss: F sharp minor, distorted guitar, driving sixteenths.
const char* const Boss2 = R"(
tempo 168
Pad(1): @49 V66 P64 Y91,40
Pad: $pFsm $pG $pFsm $pCs
Pad: [$pFsm $pD $pE $pCs $pFsm $pD $pG $pCs]2
Pad: $pBm $pFsm $pBm $pCs $pD $pE $pFsm $pFsm
Pad: $pG $pA $pFsm $pFsm $pG $pA $pCs $pCs
Pad: $pFsm $pD $pE $pCs $pFsm $pD $pG $pCs
Pad: $pFsm $pG $pFsm $pCs
Arp(2): @81 V44 P36 v76
Arp: $aFsm $aG $aFsm $aCs
Arp: [$aFsm $aD $aE $aCs $aFsm $aD $aG $aCs]2
Arp: $aBm $aFsm $aBm $aCs $aD $aE $aFsm $aFsm
Arp: $aG $aA $aFsm $aFsm $aG $aA $aCs $aCs
Arp: $aFsm $aD $aE $aCs $aFsm $aD $aG $aCs
Arp: $aFsm $aG $aFsm $aCs
Bass(3): @34 V100 P64 v104
Bass: $bFsm $bG $bFsm $bCs
Bass: [$bFsm $bD $bE $bCs $bFsm $bD $bG $bCs]2
Bass: $bBm $bFsm $bBm $bCs $bD $bE $bFsm $bFsm
Bass: $bG $bA $bFsm $bFsm $bG $bA $bCs $bCs
Bass: $bFsm $bD $bE $bCs $bFsm $bD $bG $bCs
Bass: $bFsm $bG $bFsm $bCs
Lead(4): @30 V82 P70 Y91,30 v100 q7
$melA = o5 f+4 c+8 f+8 a4 g+8 a8 | f+2 d4 e4 | e4 g+8 b8 o6 e4 d8 c+8 | o5 b4 g+4 e+4 g+4 | f+4 c+8 f+8 a4 b8 o6 c+8 | d2 c+4 o5 a4 | b4 o6 d4 g4 f+4 | e+2 c+2
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 b2 o6 d2 | c+2 o5 a2 | b4 o6 c+4 d4 f+4 | e+1 | f+2 d2 | e2 o5 b2 | o6 c+1 | o5 a2 f+2
Lead: o5 g1 | a1 | f+1 | a1 | b1 | o6 c+1 | o5 g+1 | e+1
Lead: $melA
Lead: o5 f+1 | g1 | f+1 | e+1
Drums(10): V100 v104
Drums: $drive $drive $drive $driveF
Drums: $driveC [$drive]6 $driveF $driveC [$drive]6 $driveF
Drums: $driveC [$drive]6 $driveF
Drums: [$half]7 $halfF
Drums: $driveC [$drive]6 $driveF
Drums: $drive $drive $drive $driveF
)";

// Stage 3: B minor, mysterious; pan flute over choir and music box.
const char* const Stage3 = R"(
tempo 138
Pad(1): @91 V70 P64 Y91,80
Pad: $pBm $pBm $pG $pFs
Pad: $pBm $pG $pEm $pFs $pBm $pG $pA $pFs
Pad: $pG $pA $pBm $pBm $pG $pA $pFs $pFs
Pad: $pEm $pBm $pEm $pFs $pG $pD $pEm $pFs
Pad: $pBm $pG $pEm $pFs $pBm $pG $pA $pFs
Pad: $pEm $pBm $pG $pFs $pEm $pBm $pG $pFs
Arp(2): @10 V58 P90 Y91,70 v84
Arp: $aBm $aBm $aG $aFs
Arp: $aBm $aG $aEm $aFs $aBm $aG $aA $aFs
Arp: $aG $aA $aBm $aBm $aG $aA $aFs $aFs
Arp: $aEm $aBm $aEm $aFs $aG $aD $aEm $aFs
Arp: $aBm $aG $aEm $aFs $aBm $aG $aA $aFs
Arp: $aEm $aBm $aG $aFs $aEm $aBm $aG $aFs
Bass(3): @39 V96 P64 v100
Bass: $bBm $bBm $bG $bFs
Bass: $bBm $bG $bEm $bFs $bBm $bG $bA $bFs
Bass: $bG $bA $bBm $bBm $bG $bA $bFs $bFs
Bass: $bEm $bBm $bEm $bFs $bG $bD $bEm $bFs
Bass: $bBm $bG $bEm $bFs $bBm $bG $bA $bFs
Bass: $bEm $bBm $bG $bFs $bEm $bBm $bG $bFs
Lead(4): @75 V100 P52 Y91,80 v104 q7
$melA = o5 f+2 e8 d8 c+8 d8 | b2. r4 | e4 g4 b4 a4 | a+2 f+2 | f+2 g8 f+8 e8 f+8 | d2 o4 b4 o5 d4 | c+4 e4 a4 g4 | f+1
Lead: r1 r1 r1 r1
Lead: $melA
Lead: o5 g2 b2 | a2 o6 c+2 | d1 & d2. r4 | o5 b2 g2 | o6 c+2 o5 a2 | a+2 o6 c+2 | o5 f+1
Lead: o5 g1 | f+1 | e1 | f+1 | g1 | a1 | b1 | a+1
Lead: $melA
Lead: r1 r1 r1 r1 r1 r1 r1 r1
Drums(10): V90 v96
Drums: $brk $brk $brk $brkF
Drums: [$brk]7 $brkF
Drums: [$brk]7 $brkF
Drums: [$half]7 $halfF
Drums: [$brk]7 $brkF
Drums: [$half]7 $halfF
)";

// Stage 3 boss: D minor, organ and harpsichord, strings trembling.
const char* const Boss3 = R"(
tempo 164
Pad(1): @44 V70 P64 Y91,40
Pad: $pDm $pEb $pDm $pA
Pad: [$pDm $pBb $pGm $pA $pDm $pBb $pEb $pA]2
Pad: $pGm $pDm $pGm $pA $pBb $pC $pA $pA
Pad: $pEb $pF $pDm $pDm $pEb $pF $pA $pA
Pad: $pDm $pBb $pGm $pA $pDm $pBb $pEb $pA
Pad: $pDm $pEb $pDm $pA
Arp(2): @6 V60 P30 v84
Arp: $aDm $aEb $aDm $aA
Arp: [$aDm $aBb $aGm $aA $aDm $aBb $aEb $aA]2
Arp: $aGm $aDm $aGm $aA $aBb $aC $aA $aA
Arp: $aEb $aF $aDm $aDm $aEb $aF $aA $aA
Arp: $aDm $aBb $aGm $aA $aDm $aBb $aEb $aA
Arp: $aDm $aEb $aDm $aA
Bass(3): @38 V100 P64 v104
Bass: $bDm $bEb $bDm $bA
Bass: [$bDm $bBb $bGm $bA $bDm $bBb $bEb $bA]2
Bass: $bGm $bDm $bGm $bA $bBb $bC $bA $bA
Bass: $bEb $bF $bDm $bDm $bEb $bF $bA $bA
Bass: $bDm $bBb $bGm $bA $bDm $bBb $bEb $bA
Bass: $bDm $bEb $bDm $bA
Lead(4): @19 V84 P76 Y91,60 v100 q7
$melA = o5 d4 a4 f4 d4 | b-4 f4 d4 f4 | g4 b-4 o6 d4 o5 b-4 | a2 c+2 | o6 d4 c4 o5 a4 f4 | b-4 a4 g4 f4 | e-4 g4 b-4 g4 | a1
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 g2 b-2 | a2 f2 | g4 b-4 o6 d4 g4 | e1 | d2 f2 | e2 g2 | c+2 e2 | o5 a1
Lead: $sEb $sF $sDm $sDm $sEb $sF $sA $sA
Lead: $melA
Lead: o5 d1 | e-1 | d1 | c+1
Drums(10): V100 v104
Drums: $tense $tense $tense $tenseF
Drums: $tenseC [$tense]6 $tenseF $tenseC [$tense]6 $tenseF
Drums: $tenseC [$tense]6 $tenseF
Drums: [$half]7 $halfF
Drums: $tenseC [$tense]6 $tenseF
Drums: $tense $tense $tense $tenseF
)";

// Stage 4: G minor, epic; saw lead and horns over strings.
const char* const Stage4 = R"(
tempo 156
Pad(1): @48 V66 P64 Y91,50
Pad: $pGm $pGm $pEb $pF
Pad: [$pGm $pEb $pBb $pF $pGm $pEb $pCm $pD]2
Pad: $pEb $pF $pGm $pGm $pEb $pF $pD $pD
Pad: $pCm $pGm $pCm $pD $pEb $pBb $pCm $pD
Pad: $pGm $pEb $pBb $pF $pGm $pEb $pCm $pD
Pad: $pGm $pEb $pBb $pF $pGm $pEb $pCm $pD
Arp(2): @80 V50 P86 v80
Arp: $aGm $aGm $aEb $aF
Arp: [$aGm $aEb $aBb $aF $aGm $aEb $aCm $aD]2
Arp: $aEb $aF $aGm $aGm $aEb $aF $aD $aD
Arp: $aCm $aGm $aCm $aD $aEb $aBb $aCm $aD
Arp: $aGm $aEb $aBb $aF $aGm $aEb $aCm $aD
Arp: $aGm $aEb $aBb $aF $aGm $aEb $aCm $aD
Bass(3): @38 V100 P64 v104
Bass: $bGm $bGm $bEb $bF
Bass: [$bGm $bEb $bBb $bF $bGm $bEb $bCm $bD]2
Bass: $bEb $bF $bGm $bGm $bEb $bF $bD $bD
Bass: $bCm $bGm $bCm $bD $bEb $bBb $bCm $bD
Bass: $bGm $bEb $bBb $bF $bGm $bEb $bCm $bD
Bass: $bGm $bEb $bBb $bF $bGm $bEb $bCm $bD
Lead(4): @81 V86 P50 Y91,40 v104 q7
$melA = o5 g8 a8 b-8 o6 d8 c4 o5 b-8 a8 | g4. e-8 g4 b-4 | f4. d8 f8 b-8 o6 d8 f8 | f4 e-8 d8 c2 | o5 g8 a8 b-8 o6 d8 g4 f8 e-8 | e-4. d8 c4 o5 b-4 | o6 c4 d4 e-4 g4 | f+2 d2
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 b-2 o6 e-2 | c2 f2 | d1 & d2 r2 | e-4 d4 c4 o5 b-4 | o6 c4 d4 e-4 f4 | f+1 | o5 a2 f+2
Lead: $sCm $sGm $sCm $sD $sEb $sBb $sCm $sD
Lead: $melA
Lead: o5 g1 | g1 | f1 | f1 | g1 | b-1 | o6 c1 | o5 a1
Horn(5): @60 V70 P80 Y91,60 v90
Horn: r1 r1 r1 r1
Horn: [$p2Gm r2 $p2Eb r2 $p2Bb r2 $p2F r2 $p2Gm r2 $p2Eb r2 $p2Cm r2 $p2D r2]2
Horn: $pEb $pF $pGm $pGm $pEb $pF $pD $pD
Horn: r1 r1 r1 r1 r1 r1 r1 r1
Horn: $p2Gm r2 $p2Eb r2 $p2Bb r2 $p2F r2 $p2Gm r2 $p2Eb r2 $p2Cm r2 $p2D r2
Horn: $pGm $pEb $pBb $pF $pGm $pEb $pCm $pD
Drums(10): V98 v104
Drums: $rock $rock $rock $rockF
Drums: $rockC [$rock]6 $rockF $rockC [$rock]6 $rockF
Drums: $rockC [$rock]6 $rockF
Drums: [$half]7 $halfF
Drums: $rockC [$rock]6 $rockF
Drums: [$half]7 $halfF
)";

// Stage 4 boss, the last fight: E minor with a Phrygian edge, distorted
// lead, choir and brass stabs.
const char* const Boss4 = R"(
tempo 176
Pad(1): @52 V70 P64 Y91,50
Pad: $pEm $pF $pEm $pF
Pad: [$pEm $pC $pAm $pB $pEm $pC $pF $pB]2
Pad: $pAm $pEm $pAm $pB $pC $pD $pB $pB
Pad: $pF $pG $pEm $pEm $pF $pG $pB $pB
Pad: $pEm $pF $pEm $pF $pEm $pF $pB $pB
Pad: $pEm $pC $pAm $pB $pEm $pC $pF $pB
Pad: $pEm $pF $pEm $pB
Arp(2): @81 V44 P36 v76
Arp: $aEm $aF $aEm $aF
Arp: [$aEm $aC $aAm $aB $aEm $aC $aF $aB]2
Arp: $aAm $aEm $aAm $aB $aC $aD $aB $aB
Arp: $aF $aG $aEm $aEm $aF $aG $aB $aB
Arp: $aEm $aF $aEm $aF $aEm $aF $aB $aB
Arp: $aEm $aC $aAm $aB $aEm $aC $aF $aB
Arp: $aEm $aF $aEm $aB
Bass(3): @39 V100 P64 v106
Bass: $bEm $bF $bEm $bF
Bass: [$bEm $bC $bAm $bB $bEm $bC $bF $bB]2
Bass: $bAm $bEm $bAm $bB $bC $bD $bB $bB
Bass: $bF $bG $bEm $bEm $bF $bG $bB $bB
Bass: $bEm $bF $bEm $bF $bEm $bF $bB $bB
Bass: $bEm $bC $bAm $bB $bEm $bC $bF $bB
Bass: $bEm $bF $bEm $bB
Lead(4): @30 V80 P70 Y91,30 v100 q7
$melA = o5 e8 f+8 g8 b8 o6 e4 d+4 | e4. d8 c4 o5 g4 | a4 o6 c4 e4 d4 | d+2 o5 b2 | e8 f+8 g8 b8 o6 e4 g4 | g4. f+8 e4 c4 | f4 e4 c4 o5 a4 | b1
Lead: r1 r1 r1 r1
Lead: $melA $melA
Lead: o5 a2 o6 c2 | o5 b2 g2 | a4 o6 c4 e4 c4 | d+1 | e2 g2 | f+2 d2 | d+1 | o5 b1
Lead: r1 r1 r1 r1 r1 r1 r1 r1
Lead: o5 b4 o6 c4 o5 b4 g4 | a4 b4 a4 f4 | e4 g4 b4 o6 e4 | f4 e4 c4 o5 a4 | b2 o6 e2 | f2 c2 | d+1 | f+1
Lead: $melA
Lead: o5 e1 | f1 | e1 | d+1
Brass(5): @61 V84 P40 Y91,40 v100
Brass: r1 r1 r1 r1
Brass: r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1 r1
Brass: r1 r1 r1 r1 r1 r1 r1 r1
Brass: $sF $sG $sEm $sEm $sF $sG $sB $sB
Brass: $sEm $sF $sEm $sF $sEm $sF $sB $sB
Brass: r1 r1 r1 r1 r1 r1 r1 r1
Brass: $sEm $sF $sEm $sB
Drums(10): V100 v106
Drums: $drive $drive $drive $driveF
Drums: $driveC [$drive]6 $driveF $driveC [$drive]6 $driveF
Drums: $driveC [$drive]6 $driveF
Drums: [$half]7 $halfF
Drums: $driveC [$drive]6 $driveF
Drums: $driveC [$drive]6 $driveF
Drums: $drive $drive $drive $driveF
)";

struct Tune {
  const char* File;
  const char* Title;
  const char* Text;
};

const Tune Tunes[] = {
    {"title.mid", "Ombrezza", Title},          {"stage1.mid", "Jade Front", Stage1},
    {"boss1.mid", "Jade Fortress", Boss1},     {"stage2.mid", "Crimson Reach", Stage2},
    {"boss2.mid", "Crimson Claw", Boss2},      {"stage3.mid", "Violet Drift", Stage3},
    {"boss3.mid", "Violet Cathedral", Boss3},  {"stage4.mid", "Bronze Sky", Stage4},
    {"boss4.mid", "Last Light", Boss4},
};

}  // namespace

std::vector<NamedFile> MakeTunes() {
  const std::string prelude = ChordMacros() + Drums;
  std::vector<NamedFile> out;
  for (const Tune& t : Tunes) {
    Smf smf = CompileMml(t.Title, prelude + t.Text);
    if (smf.Seconds < 60 || smf.Seconds > 120)
      throw std::runtime_error(std::string(t.Title) + " lasts " + std::to_string(smf.Seconds) +
                               " s; a tune must last 60 to 120 s");
    out.push_back({t.File, std::move(smf.Bytes)});
  }
  return out;
}

NamedFile MakeMusicList(const std::vector<NamedFile>& tunes) {
  NamedFile list{"midi.txt", {}};
  for (const NamedFile& t : tunes) {
    list.Data.insert(list.Data.end(), t.Name.begin(), t.Name.end());
    list.Data.push_back('\r');
    list.Data.push_back('\n');
  }
  return list;
}

}  // namespace assetgen
