// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's requests to send changes. A slider moved while held only notes its groups:
// they go with the release (or the first move after it), so that a drag sends once.

namespace ferrox {

class SyncController;

class ApplyRequests {
public:
    explicit ApplyRequests(SyncController& sync) : sync_(sync) {}

    // ChangeGroup bits, together with those of a drag that has not ended yet.
    void Schedule(unsigned groups);
    void NoteDrag(unsigned groups);
    bool DragPending() const { return dragGroups_ != 0; }

private:
    SyncController& sync_;
    unsigned dragGroups_ = 0;
};

} // namespace ferrox
