// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sending side of the window's socket as a test plays it: raw connections that send what
// they like, and what the other end sent back before it closed.

#include <atomic>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ferrox::test {

inline std::vector<uint8_t> LittleEndianWords(std::initializer_list<uint32_t> words) {
    std::vector<uint8_t> out;
    for (uint32_t word : words)
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(word >> (8 * i)));
    return out;
}

// A connected socket, or -1.
inline int ConnectTo(const std::filesystem::path& socket) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// What the other end sent before it closed the connection; nullopt while it is still open
// after waitMs.
inline std::optional<std::vector<uint8_t>> ClosedByPeer(int fd, int waitMs = 0) {
    std::vector<uint8_t> got;
    for (;;) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, waitMs) <= 0)
            return std::nullopt;
        uint8_t chunk[256];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n <= 0)
            return got;
        got.insert(got.end(), chunk, chunk + n);
    }
}

// A client call that waits for its answer (each has a time limit of its own), made on another
// thread while serve() keeps this thread's server going.
template <typename Call, typename Serve> auto ServedBy(Call call, Serve serve) {
    std::atomic<bool> done = false;
    decltype(call()) result{};
    std::thread client([&] {
        result = call();
        done = true;
    });
    while (!done)
        serve();
    client.join();
    serve();
    return result;
}

} // namespace ferrox::test
