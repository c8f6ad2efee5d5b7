#include "base/text_file.h"

#include "base/damaged_file.h"

#include <atomic>
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
constexpr int kMaxLinkDepth = 40;

// A symbolic link keeps being one: the new file replaces what it points at.
fs::path ResolveLinks(fs::path path) {
    std::error_code ec;
    for (int depth = 0; depth < kMaxLinkDepth && fs::is_symlink(path, ec); ++depth) {
        fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

std::FILE* CreateTempBeside(const fs::path& target, fs::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Cut so that a long file name still leaves room for the suffix.
        std::string name = "." + target.filename().string().substr(0, 160) + ".tmp" +
                           std::to_string(::getpid()) + "-" + std::to_string(counter++);
        tempPath = target.parent_path() / name;
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx"))
            return f;
        if (errno != EEXIST)
            break;
    }
    tempPath.clear();
    return nullptr;
}

// Best effort: makes the rename itself survive a power cut.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

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
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return false;
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file)
        return false;
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
    m_target = ResolveLinks(path);
    // A file that could not be read, and of which no copy could be kept, is not ours to replace.
    if (IsHeldFile(m_target))
        return false;
    std::error_code ec;
    bool exists = fs::exists(m_target, ec);
    if (!(flags & modeCreate) && !exists)
        return false;
    m_file = CreateTempBeside(m_target, m_tempPath);
    if (!m_file)
        return false;
    // Whole blocks go straight to the file: a second buffer would only copy them again.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_output.reserve(kBufferSize + 4096);
    if (exists && fs::is_regular_file(m_target, ec))
        fs::permissions(m_tempPath, fs::status(m_target, ec).permissions(), ec);
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
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    std::error_code ec;
    if (ok) {
        fs::rename(m_tempPath, m_target, ec);
        ok = !ec;
    }
    if (ok)
        SyncFolder(m_target.parent_path());
    else
        fs::remove(m_tempPath, ec);
    m_tempPath.clear();
    m_writing = false;
    release();
    return ok;
}

void CStdioFileEx::Abort() {
    if (m_writing) {
        std::error_code ec;
        fs::remove(m_tempPath, ec);
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
