#include "settings/text_file.h"

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
        fillBuffer();
        m_unicodeMode = m_bufferEnd >= 2 && static_cast<unsigned char>(m_buffer[0]) == 0xFF &&
                        static_cast<unsigned char>(m_buffer[1]) == 0xFE;
    }
    return true;
}

bool CStdioFileEx::openForWriting(const fs::path& path, unsigned flags) {
    m_target = ResolveLinks(path);
    std::error_code ec;
    bool exists = fs::exists(m_target, ec);
    if (!(flags & modeCreate) && !exists)
        return false;
    m_file = CreateTempBeside(m_target, m_tempPath);
    if (!m_file)
        return false;
    if (exists && fs::is_regular_file(m_target, ec))
        fs::permissions(m_tempPath, fs::status(m_target, ec).permissions(), ec);
    m_writing = true;
    m_unicodeMode = (flags & modeUnicode) != 0;
    return true;
}

bool CStdioFileEx::fillBuffer() {
    if (m_bufferPos < m_bufferEnd)
        return true;
    m_bufferPos = 0;
    m_bufferEnd = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_bufferEnd == 0 && std::ferror(m_file))
        throw CFileException(CFileException::generic, ErrorText(m_path));
    return m_bufferEnd > 0;
}

bool CStdioFileEx::readByte(char& byte) {
    if (!fillBuffer())
        return false;
    byte = m_buffer[m_bufferPos++];
    return true;
}

// A lone last byte of an odd-sized file is no character and is dropped.
bool CStdioFileEx::readUnit(char16_t& unit) {
    char low, high;
    if (!readByte(low) || !readByte(high))
        return false;
    unit = static_cast<char16_t>(static_cast<unsigned char>(low) |
                                 (static_cast<unsigned char>(high) << 8));
    return true;
}

bool CStdioFileEx::readUnicodeLine(std::wstring& text) {
    if (m_atStart) {
        m_atStart = false;
        // Only a real byte-order mark is skipped: a file without one loses nothing.
        if (fillBuffer() && m_bufferEnd - m_bufferPos >= 2 &&
            static_cast<unsigned char>(m_buffer[m_bufferPos]) == 0xFF &&
            static_cast<unsigned char>(m_buffer[m_bufferPos + 1]) == 0xFE)
            m_bufferPos += 2;
    }
    std::u16string units;
    char16_t unit;
    while (readUnit(unit)) {
        units.push_back(unit);
        if (unit == u'\n')
            break;
    }
    text = FromUtf16(units);
    return !units.empty();
}

bool CStdioFileEx::readNarrowLine(std::wstring& text) {
    std::string bytes;
    char byte;
    while (readByte(byte)) {
        bytes.push_back(byte);
        if (byte == '\n')
            break;
    }
    // What a text-mode runtime does: "\r\n" reads as "\n".
    if (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0)
        bytes.erase(bytes.size() - 2, 1);
    text = FromUtf8(bytes);
    return !bytes.empty();
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

void CStdioFileEx::writeBytes(const std::string& bytes) {
    if (!m_file || !m_writing || m_writeFailed)
        throw CFileException(CFileException::diskFull, m_path.string() + ": not open for writing");
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        m_writeFailed = true;
        throw CFileException(CFileException::diskFull, ErrorText(m_path));
    }
}

void CStdioFileEx::WriteText(const std::wstring& text) {
    std::string bytes;
    if (m_unicodeMode) {
        if (m_atStart)
            bytes = "\xFF\xFE";
        for (char16_t unit : ToUtf16(text)) {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
    } else {
        bytes = ToUtf8(text);
    }
    writeBytes(bytes);
    m_atStart = false;
}

bool CStdioFileEx::Close() {
    if (!m_file)
        return false;
    if (!m_writing) {
        release();
        return true;
    }
    bool ok = !m_writeFailed && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
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
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_bufferPos = m_bufferEnd = 0;
}

} // namespace ferrox
