// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text_file.h"

#include "base/damaged_file.h"
#include "base/file_replace.h"
#include "base/log_sink.h"
#include "base/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// No file of the program holds a line near this long; a file of zeros left by a crashed disk
// or a video picked by mistake would otherwise be gathered into memory as one endless line.
constexpr std::size_t kMaxLineCharacters = 1024 * 1024;

std::string ErrorText(const fs::path& path) {
    return path.string() + ": " + std::strerror(errno);
}

} // namespace

CStdioFileEx::~CStdioFileEx() {
    if (writing_)
        Abort();
    else
        release();
}

bool CStdioFileEx::Open(const fs::path& path, unsigned flags) {
    if (IsOpen())
        return false;
    SetFilePath(path);
    atStart_ = true;
    writeFailed_ = false;
    bufferPos_ = bufferEnd_ = 0;
    bool writing = (flags & modeWrite) || ((flags & modeReadWrite) && (flags & modeCreate));
    return writing ? openForWriting(path, flags) : openForReading(path, flags);
}

bool CStdioFileEx::openForReading(const fs::path& path, unsigned flags) {
    FileProblem problem;
    const RegularFileHandle opened = OpenRegularFile(path, problem);
    if (opened.fd < 0) {
        if (!IsMissingFile(problem))
            NoteFileProblem(problem);
        else
            Log(LogLevel::Debug, LogCategory::Files, DescribeFileProblem(problem));
        return false;
    }
    file_ = ::fdopen(opened.fd, "rb");
    if (!file_) {
        LogFailure(LogCategory::Files, "open " + path.string(), errno);
        ::close(opened.fd);
        return false;
    }
    size_ = opened.size;
    buffer_.resize(kBufferSize);
    writing_ = false;
    unicodeMode_ = (flags & modeUnicode) != 0;
    if (!unicodeMode_ && (flags & typeText)) {
        ensureBytes(2);
        unicodeMode_ = bufferEnd_ >= 2 && static_cast<unsigned char>(buffer_[0]) == 0xFF &&
                        static_cast<unsigned char>(buffer_[1]) == 0xFE;
    }
    return true;
}

bool CStdioFileEx::openForWriting(const fs::path& path, unsigned flags) {
    FileProblem problem;
    std::optional<SaveTarget> target = ChooseSaveTarget(path, problem);
    if (!target) {
        NoteFileProblem(problem);
        return false;
    }
    // A file that could not be read, and of which no copy could be kept, is not ours to replace.
    if (IsHeldFile(target->file))
        return false;
    if (!(flags & modeCreate) && !target->exists)
        return false;
    const int fd = CreateTempBeside(*target, tempPath_, problem);
    file_ = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file_) {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(tempPath_.c_str());
        }
        tempPath_.clear();
        NoteFileProblem(problem);
        return false;
    }
    target_ = std::move(*target);
    // Whole blocks go straight to the file: a second buffer would only copy them again.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    output_.reserve(kBufferSize + 4096);
    writing_ = true;
    unicodeMode_ = (flags & modeUnicode) != 0;
    return true;
}

// Moves what is left of the block (less than one character) to the front and reads the next
// block behind it; false at the end of the file.
bool CStdioFileEx::refill() {
    const std::size_t left = bufferEnd_ - bufferPos_;
    std::memmove(buffer_.data(), buffer_.data() + bufferPos_, left);
    bufferPos_ = 0;
    bufferEnd_ = left;
    const std::size_t got = std::fread(buffer_.data() + left, 1, buffer_.size() - left, file_);
    if (got == 0 && std::ferror(file_))
        throw FileException(FileException::generic, ErrorText(path_));
    bufferEnd_ += got;
    return got > 0;
}

bool CStdioFileEx::ensureBytes(std::size_t count) {
    while (bufferEnd_ - bufferPos_ < count)
        if (!refill())
            return false;
    return true;
}

// Gathers the characters (of unitSize bytes each) up to and including the next "\n" into
// line_; false when the file had none left. A lone last byte of an odd-sized unicode file is
// no character and is never taken.
bool CStdioFileEx::takeLine(std::size_t unitSize) {
    line_.clear();
    for (;;) {
        const char* data = buffer_.data();
        const std::size_t end = bufferPos_ + (bufferEnd_ - bufferPos_) / unitSize * unitSize;
        std::size_t at = bufferPos_;
        while (at < end && !(data[at] == '\n' && (unitSize == 1 || data[at + 1] == '\0')))
            at += unitSize;
        const bool found = at < end;
        if (found)
            at += unitSize;
        line_.append(data + bufferPos_, at - bufferPos_);
        bufferPos_ = at;
        if (line_.size() > kMaxLineCharacters * unitSize)
            throw FileException(FileException::generic,
                                 path_.string() + ": a line is longer than " +
                                     std::to_string(kMaxLineCharacters) + " characters");
        if (found || !refill())
            return !line_.empty();
    }
}

bool CStdioFileEx::readUnicodeLine(std::wstring& text) {
    if (atStart_) {
        atStart_ = false;
        // Only a real byte-order mark is skipped: a file without one loses nothing.
        if (ensureBytes(2) && static_cast<unsigned char>(buffer_[bufferPos_]) == 0xFF &&
            static_cast<unsigned char>(buffer_[bufferPos_ + 1]) == 0xFE)
            bufferPos_ += 2;
    }
    if (!takeLine(2))
        return false;
    AppendFromUtf16le(text, line_.data(), line_.size());
    return true;
}

bool CStdioFileEx::readNarrowLine(std::wstring& text) {
    if (!takeLine(1))
        return false;
    // What a text-mode runtime does: "\r\n" reads as "\n".
    if (line_.size() >= 2 && line_.compare(line_.size() - 2, 2, "\r\n") == 0)
        line_.erase(line_.size() - 2, 1);
    text = FromUtf8(line_);
    return true;
}

bool CStdioFileEx::ReadLine(std::wstring& text) {
    text.clear();
    if (!file_ || writing_)
        return false;
    if (!(unicodeMode_ ? readUnicodeLine(text) : readNarrowLine(text)))
        return false;
    // A line that is only "\n" keeps it, so an empty line inside a file does not read as the end.
    if (text.size() >= 2 && text.back() == L'\n')
        text.pop_back();
    return !text.empty();
}

bool CStdioFileEx::drainOutput() {
    if (!output_.empty() &&
        std::fwrite(output_.data(), 1, output_.size(), file_) != output_.size())
        writeFailed_ = true;
    output_.clear();
    return !writeFailed_;
}

void CStdioFileEx::WriteText(const std::wstring& text) {
    if (!file_ || !writing_ || writeFailed_)
        throw FileException(FileException::diskFull, path_.string() + ": not open for writing");
    if (unicodeMode_) {
        if (atStart_)
            output_ += "\xFF\xFE";
        AppendUtf16le(output_, text);
    } else {
        output_ += ToUtf8(text);
    }
    atStart_ = false;
    if (output_.size() >= kBufferSize && !drainOutput())
        throw FileException(FileException::diskFull, ErrorText(path_));
}

bool CStdioFileEx::Close() {
    if (!file_)
        return false;
    if (!writing_) {
        release();
        return true;
    }
    bool ok = drainOutput() && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(file_) != 0 && ok) {
        error = errno;
        ok = false;
    }
    file_ = nullptr;
    if (!ok)
        LogFailure(LogCategory::Files, "write " + path_.string(), error);
    if (ok) {
        FileProblem problem;
        ok = PutInPlace(tempPath_, target_, problem);
        if (!ok)
            NoteFileProblem(problem);
    } else {
        ::unlink(tempPath_.c_str());
    }
    tempPath_.clear();
    writing_ = false;
    release();
    return ok;
}

void CStdioFileEx::Abort() {
    if (writing_) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
        writing_ = false;
    }
    release();
}

void CStdioFileEx::release() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    bufferPos_ = bufferEnd_ = 0;
    // A long-lived object keeps no block-sized memory once its file is closed.
    for (auto* bytes : {&line_, &output_}) {
        bytes->clear();
        bytes->shrink_to_fit();
    }
    buffer_.clear();
    buffer_.shrink_to_fit();
}

} // namespace ferrox
