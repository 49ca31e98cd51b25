// Nubo's spine: start-up once, then one frame() per pass until the user quits, then shut-down.
// Split so that tests can run the program pass by pass.
#pragma once

namespace nubo {

// Start-up in its fixed order, from every variable at its start-up value: resources, fonts,
// clipboard, texts, sounds, title, data folder, images, marker files, window, palette, today, sheet 1.
void startup();
// One pass of the frame loop: board or editor, overlays, show, poll, sleep.
void frame();
// Farewell image, save of the current sheet, short pause.
void shutdown();

// Restores every program-wide variable to its value before start-up.
void resetall();

}  // namespace nubo
