// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line-oriented text files: UTF-16LE with a byte-order mark (the format of every file the
// program writes) or narrow UTF-8 text. Wide strings hold one code point per wchar_t; the
// class converts to and from UTF-16 (surrogate pairs included).
//
// Writing never happens in place: a file opened for writing is written to a temporary file in
// the same folder and only replaces the old file when Close() succeeds after a complete write.
// A crash, a full disk or a forgotten Close() therefore leave the old file as it was.
// Only regular files are read and replaced (base/regular_file.h, base/file_replace.h); a
// file refused for what it is, or that could not be opened for a reason other than not being
// there, is noted for the user (base/file_problems.h).

#include "base/file_replace.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace ferrox {

// The only exception of the project: raised by CStdioFileEx on read and write errors.
class FileException : public std::runtime_error {
public:
    enum Cause { generic = 1, diskFull = 13 };
    FileException(Cause cause, const std::string& what)
        : std::runtime_error(what), cause_(cause) {}
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

class CStdioFileEx {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        modeUnicode = 0x100000,
    };
    // The two combinations the program uses for its own files.
    static constexpr unsigned kUnicodeRead = modeUnicode | typeBinary | modeReadWrite; // 0x108002
    static constexpr unsigned kUnicodeWrite =
        modeUnicode | typeBinary | modeCreate | modeWrite; // 0x109001

    CStdioFileEx() = default;
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;
    // Closes a file opened for reading; a file opened for writing that was not committed with
    // Close() is abandoned (its temporary file is removed, the old file stays).
    virtual ~CStdioFileEx();

    // Non-zero on success. With modeWrite (or modeReadWrite together with modeCreate) the file is
    // opened for writing; otherwise for reading only, even with modeReadWrite, because a file
    // is never rewritten in place. Without modeUnicode, a file opened with typeText for reading
    // is probed: it is read as UTF-16LE when it starts with FF FE, as UTF-8 otherwise.
    [[nodiscard]] virtual bool Open(const std::filesystem::path& path, unsigned flags);
    // Reads the next line; returns whether it is non-empty. A trailing "\n" is removed from
    // lines of two or more characters (a "\r" before it stays in unicode mode). Throws
    // FileException(generic) on a read error and on a line of more than 1,048,576
    // characters, which no file of the program holds.
    virtual bool ReadLine(std::wstring& text);
    // Writes the text as it is (the caller puts in the "\n"); the first write of a unicode file
    // starts with the byte-order mark. Throws FileException(diskFull) on a write error.
    virtual void WriteText(const std::wstring& text);
    // Ends the file. For a file opened for writing this flushes it to disk and puts it in place
    // of the old one; false when any of that failed (the old file is then unchanged).
    [[nodiscard]] bool Close();
    // Drops a file being written without touching the old one.
    void Abort();

    bool IsOpen() const { return file_ != nullptr; }
    // The size of a file opened for reading, as it was when it was opened.
    std::uintmax_t Size() const { return size_; }

protected:
    virtual void SetFilePath(const std::filesystem::path& path) { path_ = path; }

private:
    bool openForReading(const std::filesystem::path& path, unsigned flags);
    bool openForWriting(const std::filesystem::path& path, unsigned flags);
    bool refill();
    bool ensureBytes(std::size_t count);
    bool takeLine(std::size_t unitSize);
    bool readUnicodeLine(std::wstring& text);
    bool readNarrowLine(std::wstring& text);
    bool drainOutput();
    void release();

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    SaveTarget target_;              // where the written file lands (links followed)
    std::uintmax_t size_ = 0;
    std::filesystem::path tempPath_; // empty unless writing
    bool unicodeMode_ = false;
    bool writing_ = false;
    bool writeFailed_ = false;
    bool atStart_ = true;
    // Files are read and written a block at a time: a line is gathered from buffer_ into
    // line_, written text waits in output_ until a block is full.
    std::vector<char> buffer_;
    std::size_t bufferPos_ = 0;
    std::size_t bufferEnd_ = 0;
    std::string line_;
    std::string output_;
};

// UTF-16LE units of a wide string (code points above U+FFFF become surrogate pairs).
std::u16string ToUtf16(const std::wstring& text);
// The same straight from and into little-endian bytes; a lone last byte is ignored.
void AppendUtf16le(std::string& out, const std::wstring& text);
void AppendFromUtf16le(std::wstring& out, const char* bytes, std::size_t size);
// What UTF-8 conversions do with what does not convert. Replace: U+FFFD (text for people).
// KeepBytes: each stray byte b becomes the lone surrogate U+DC00 + b and back again, so that
// any byte string, such as a file name, survives the way into a wide string and out.
enum class Utf8Faults { Replace, KeepBytes };
// UTF-8 conversions of the narrow mode.
std::string ToUtf8(const std::wstring& text, Utf8Faults faults = Utf8Faults::Replace);
std::wstring FromUtf8(const std::string& bytes, Utf8Faults faults = Utf8Faults::Replace);

} // namespace ferrox
