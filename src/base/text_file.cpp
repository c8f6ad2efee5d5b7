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
    if (m_writing)
        Abort();
    else
        release();
}

bool CStdioFileEx::Open(const fs::path& path, unsigned flags) {
    if (IsOpen())
        return false;
    SetFilePath(path);
    m_atStart = true;
    m_writeFailed = false;
    m_bufferPos = m_bufferEnd = 0;
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
    m_file = ::fdopen(opened.fd, "rb");
    if (!m_file) {
        LogFailure(LogCategory::Files, "open " + path.string(), errno);
        ::close(opened.fd);
        return false;
    }
    m_size = opened.size;
    m_buffer.resize(kBufferSize);
    m_writing = false;
    m_unicodeMode = (flags & modeUnicode) != 0;
    if (!m_unicodeMode && (flags & typeText)) {
        ensureBytes(2);
        m_unicodeMode = m_bufferEnd >= 2 && static_cast<unsigned char>(m_buffer[0]) == 0xFF &&
                        static_cast<unsigned char>(m_buffer[1]) == 0xFE;
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
    const int fd = CreateTempBeside(*target, m_tempPath, problem);
    m_file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!m_file) {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(m_tempPath.c_str());
        }
        m_tempPath.clear();
        NoteFileProblem(problem);
        return false;
    }
    m_target = std::move(*target);
    // Whole blocks go straight to the file: a second buffer would only copy them again.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_output.reserve(kBufferSize + 4096);
    m_writing = true;
    m_unicodeMode = (flags & modeUnicode) != 0;
    return true;
}

// Moves what is left of the block (less than one character) to the front and reads the next
// block behind it; false at the end of the file.
bool CStdioFileEx::refill() {
    const std::size_t left = m_bufferEnd - m_bufferPos;
    std::memmove(m_buffer.data(), m_buffer.data() + m_bufferPos, left);
    m_bufferPos = 0;
    m_bufferEnd = left;
    const std::size_t got = std::fread(m_buffer.data() + left, 1, m_buffer.size() - left, m_file);
    if (got == 0 && std::ferror(m_file))
        throw CFileException(CFileException::generic, ErrorText(m_path));
    m_bufferEnd += got;
    return got > 0;
}

bool CStdioFileEx::ensureBytes(std::size_t count) {
    while (m_bufferEnd - m_bufferPos < count)
        if (!refill())
            return false;
    return true;
}

// Gathers the characters (of unitSize bytes each) up to and including the next "\n" into
// m_line; false when the file had none left. A lone last byte of an odd-sized unicode file is
// no character and is never taken.
bool CStdioFileEx::takeLine(std::size_t unitSize) {
    m_line.clear();
    for (;;) {
        const char* data = m_buffer.data();
        const std::size_t end = m_bufferPos + (m_bufferEnd - m_bufferPos) / unitSize * unitSize;
        std::size_t at = m_bufferPos;
        while (at < end && !(data[at] == '\n' && (unitSize == 1 || data[at + 1] == '\0')))
            at += unitSize;
        const bool found = at < end;
        if (found)
            at += unitSize;
        m_line.append(data + m_bufferPos, at - m_bufferPos);
        m_bufferPos = at;
        if (m_line.size() > kMaxLineCharacters * unitSize)
            throw CFileException(CFileException::generic,
                                 m_path.string() + ": a line is longer than " +
                                     std::to_string(kMaxLineCharacters) + " characters");
        if (found || !refill())
            return !m_line.empty();
    }
}

bool CStdioFileEx::readUnicodeLine(std::wstring& text) {
    if (m_atStart) {
        m_atStart = false;
        // Only a real byte-order mark is skipped: a file without one loses nothing.
        if (ensureBytes(2) && static_cast<unsigned char>(m_buffer[m_bufferPos]) == 0xFF &&
            static_cast<unsigned char>(m_buffer[m_bufferPos + 1]) == 0xFE)
            m_bufferPos += 2;
    }
    if (!takeLine(2))
        return false;
    AppendFromUtf16le(text, m_line.data(), m_line.size());
    return true;
}

bool CStdioFileEx::readNarrowLine(std::wstring& text) {
    if (!takeLine(1))
        return false;
    // What a text-mode runtime does: "\r\n" reads as "\n".
    if (m_line.size() >= 2 && m_line.compare(m_line.size() - 2, 2, "\r\n") == 0)
        m_line.erase(m_line.size() - 2, 1);
    text = FromUtf8(m_line);
    return true;
}

bool CStdioFileEx::ReadLine(std::wstring& text) {
    text.clear();
    if (!m_file || m_writing)
        return false;
    if (!(m_unicodeMode ? readUnicodeLine(text) : readNarrowLine(text)))
        return false;
    // A line that is only "\n" keeps it, so an empty line inside a file does not read as the end.
    if (text.size() >= 2 && text.back() == L'\n')
        text.pop_back();
    return !text.empty();
}

bool CStdioFileEx::drainOutput() {
    if (!m_output.empty() &&
        std::fwrite(m_output.data(), 1, m_output.size(), m_file) != m_output.size())
        m_writeFailed = true;
    m_output.clear();
    return !m_writeFailed;
}

void CStdioFileEx::WriteText(const std::wstring& text) {
    if (!m_file || !m_writing || m_writeFailed)
        throw CFileException(CFileException::diskFull, m_path.string() + ": not open for writing");
    if (m_unicodeMode) {
        if (m_atStart)
            m_output += "\xFF\xFE";
        AppendUtf16le(m_output, text);
    } else {
        m_output += ToUtf8(text);
    }
    m_atStart = false;
    if (m_output.size() >= kBufferSize && !drainOutput())
        throw CFileException(CFileException::diskFull, ErrorText(m_path));
}

bool CStdioFileEx::Close() {
    if (!m_file)
        return false;
    if (!m_writing) {
        release();
        return true;
    }
    bool ok = drainOutput() && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(m_file) != 0 && ok) {
        error = errno;
        ok = false;
    }
    m_file = nullptr;
    if (!ok)
        LogFailure(LogCategory::Files, "write " + m_path.string(), error);
    if (ok) {
        FileProblem problem;
        ok = PutInPlace(m_tempPath, m_target, problem);
        if (!ok)
            NoteFileProblem(problem);
    } else {
        ::unlink(m_tempPath.c_str());
    }
    m_tempPath.clear();
    m_writing = false;
    release();
    return ok;
}

void CStdioFileEx::Abort() {
    if (m_writing) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
        m_writing = false;
    }
    release();
}

void CStdioFileEx::release() {
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    m_bufferPos = m_bufferEnd = 0;
    // A long-lived object keeps no block-sized memory once its file is closed.
    for (auto* bytes : {&m_line, &m_output}) {
        bytes->clear();
        bytes->shrink_to_fit();
    }
    m_buffer.clear();
    m_buffer.shrink_to_fit();
}

} // namespace ferrox
