// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt hands an event posted on one thread to the thread of its receiver through its own locks,
// which the thread sanitizer cannot see in a Qt built without it. These two calls mark that
// hand-over, so the thread-checked build reports only what is really unsynchronised; in every
// other build they are nothing.

#if defined(__SANITIZE_THREAD__)
#define FERROX_THREAD_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define FERROX_THREAD_CHECKED 1
#endif
#endif

#ifdef FERROX_THREAD_CHECKED
#include <sanitizer/tsan_interface.h>
#endif

namespace ferrox {

// Everything this thread wrote before is seen by the thread that calls TakeOver(object).
inline void HandOver([[maybe_unused]] const void* object) {
#ifdef FERROX_THREAD_CHECKED
    __tsan_release(const_cast<void*>(object));
#endif
}

inline void TakeOver([[maybe_unused]] const void* object) {
#ifdef FERROX_THREAD_CHECKED
    __tsan_acquire(const_cast<void*>(object));
#endif
}

} // namespace ferrox
