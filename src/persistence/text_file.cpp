#include "persistence/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "media/debuglog.h"
#include "media/game_paths.h"

namespace omb {
namespace {

// Reads a file a line at a time through a fixed buffer.
class LineReader {
 public:
  // Only a regular file is read: a directory or a pipe under the file's
  // name would read as empty or never end.
  explicit LineReader(const char* name) {
    const GameFilePath path(name);
    do fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) {
      error_ = std::strerror(errno);
      return;
    }
    struct stat st;
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
      error_ = "not a regular file";
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~LineReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool Opened() const { return fd_ >= 0; }
  const char* Error() const { return error_; }

  // The next line without its LF or CR LF, cut to `cap` characters; false at
  // the end of the file (a last line without a line end still counts).
  bool Next(char* line, int cap, int& length) {
    length = 0;
    bool any = false;
    for (;;) {
      if (pos_ == end_ && !Fill()) break;
      any = true;
      const char c = buffer_[pos_++];
      if (c == '\n') break;
      if (length < cap) line[length++] = c;
    }
    if (length > 0 && line[length - 1] == '\r') --length;
    return any;
  }

 private:
  bool Fill() {
    if (fd_ < 0) return false;
    ssize_t n;
    do n = ::read(fd_, buffer_, sizeof buffer_);
    while (n < 0 && errno == EINTR);
    pos_ = 0;
    end_ = n > 0 ? static_cast<int>(n) : 0;
    return end_ > 0;
  }

  int fd_ = -1;
  const char* error_ = "";
  char buffer_[4096];
  int pos_ = 0, end_ = 0;
};

// Collects the output in a fixed buffer and writes it out when full.
class AtomicWriter {
 public:
  AtomicWriter(const char* path, std::string& error) : path_(path), error_(error) {
    const int n = std::snprintf(temp_, sizeof temp_, "%s.tmp", path);
    if (n < 0 || n >= static_cast<int>(sizeof temp_)) {
      Fail("the name is too long");
      return;
    }
    do fd_ = ::open(temp_, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) Fail(std::strerror(errno));
  }
  ~AtomicWriter() {
    if (fd_ >= 0) {  // never committed: leave the old file alone
      ::close(fd_);
      ::unlink(temp_);
    }
  }
  AtomicWriter(const AtomicWriter&) = delete;
  AtomicWriter& operator=(const AtomicWriter&) = delete;

  void Put(int32_t value) {
    if (used_ + 16 > static_cast<int>(sizeof buffer_)) Flush();
    used_ += std::snprintf(buffer_ + used_, sizeof buffer_ - static_cast<std::size_t>(used_), "%d\r\n", value);
  }

  bool Commit() {
    if (fd_ < 0) return false;
    Flush();
    // The data must be on the disk before the new name points at it.
    if (ok_ && ::fsync(fd_) != 0) Fail(std::strerror(errno));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && ok_) Fail(std::strerror(errno));
    if (ok_ && ::rename(temp_, path_) != 0) Fail(std::strerror(errno));
    if (!ok_) ::unlink(temp_);
    return ok_;
  }

 private:
  void Flush() {
    for (int done = 0; ok_ && done < used_;) {
      const ssize_t n = ::write(fd_, buffer_ + done, static_cast<std::size_t>(used_ - done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        Fail(n < 0 ? std::strerror(errno) : "nothing written");
        break;
      }
      done += static_cast<int>(n);
    }
    used_ = 0;
  }
  void Fail(const char* why) {
    if (ok_) error_ = why;
    ok_ = false;
  }

  const char* path_;
  std::string& error_;
  char temp_[4096];
  int fd_ = -1;
  bool ok_ = true;
  char buffer_[4096];
  int used_ = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view Describe(LineState state) {
  switch (state) {
    case LineState::Good: return "a number";
    case LineState::Missing: return "missing";
    case LineState::Blank: return "blank";
    case LineState::NotANumber: return "not a number";
    case LineState::TooLarge: return "a number too large for 32 bits";
  }
  return "?";
}

LineState ParseInteger(std::string_view line, int32_t& value) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  if (line.empty()) return LineState::Blank;
  const bool negative = line.front() == '-';
  if (negative) line.remove_prefix(1);
  if (line.empty()) return LineState::NotANumber;
  int64_t n = 0;
  bool tooLarge = false;
  for (const char c : line) {
    if (c < '0' || c > '9') return LineState::NotANumber;
    n = n * 10 + (c - '0');
    if (n > int64_t{1} << 31) {
      tooLarge = true;
      n = int64_t{1} << 31;  // keep going: a later letter still makes it no number
    }
  }
  if (negative) n = -n;
  if (tooLarge || n > INT32_MAX || n < INT32_MIN) return LineState::TooLarge;
  value = static_cast<int32_t>(n);
  return LineState::Good;
}

bool ReadIntegerLines(const char* path, std::span<int32_t> values, std::span<LineState> states,
                      std::string& error, std::size_t* present) {
  LineReader reader(path);
  if (!reader.Opened()) {
    error = reader.Error();
    return false;
  }
  // A line longer than this is no 32-bit number, whatever follows.
  char line[64];
  int length = 0;
  std::size_t i = 0;
  for (; i < values.size() && reader.Next(line, sizeof line, length); ++i) {
    const LineState state = length == static_cast<int>(sizeof line)
                                ? LineState::NotANumber
                                : ParseInteger({line, static_cast<std::size_t>(length)}, values[i]);
    if (i < states.size()) states[i] = state;
  }
  if (present != nullptr) *present = i;
  // A short file: every line after its end is missing.
  static_assert(sizeof(LineState) == 1);
  if (i < states.size()) std::memset(states.data() + i, static_cast<int>(LineState::Missing), states.size() - i);
  return true;
}

int ReadTextLines(const char* path, std::span<std::string> lines, std::string& error, int maxLength) {
  LineReader reader(path);
  if (!reader.Opened()) {
    error = reader.Error();
    return -1;
  }
  char line[1024];
  const int cap = maxLength < static_cast<int>(sizeof line) ? maxLength : static_cast<int>(sizeof line);
  int found = 0, length = 0;
  for (std::string& out : lines) {
    out.clear();
    if (!reader.Next(line, cap, length)) continue;
    out.assign(line, static_cast<std::size_t>(length));
    ++found;
  }
  return found;
}

bool WriteIntegerLines(const char* path, std::span<const int32_t> values, std::string& error) {
  AtomicWriter out(path, error);
  for (const int32_t v : values) out.Put(v);
  return out.Commit();
}

bool FileExists(const char* path) {
  if (path == nullptr || path[0] == '\0') return false;
  struct stat st;
  return ::stat(GameFilePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void ReportFileProblem(std::string_view text) { ReportFailure(DebugLog::Files, text); }

}  // namespace omb
