// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One function per family of images; each draws its images into the sink.

namespace skingen {

class SkinSink;

void drawButtons(SkinSink& sink);      // push buttons, window buttons, fields, headers, tabs
void drawChecks(SkinSink& sink);       // check boxes, radios, direction and colour slots
void drawSliders(SkinSink& sink);      // tracks and knob
void drawDpiLevels(SkinSink& sink);    // DPI bars and the DPI value tiles
void drawReportRate(SkinSink& sink);   // 125/250/500/1000 Hz tiles
void drawBattery(SkinSink& sink);      // gauge and legend dots
void drawPowerDial(SkinSink& sink);    // the eight power-down segments
void drawMenus(SkinSink& sink);        // menu rows, list icons, scroll arrows
void drawMousePicture(SkinSink& sink); // the mouse, markers and number badges
void drawFrames(SkinSink& sink);       // Frame_*.bmp dialog backgrounds
void drawBackground(SkinSink& sink);   // main window background
void drawPalette(SkinSink& sink);      // colour palette
void drawAppIcon(SkinSink& sink);      // application icon

} // namespace skingen
