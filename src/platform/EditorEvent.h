#pragma once

// The events the surface reads. The editing script sends the first three, by the names the
// surface gives it in HOST_EVENT; the others are the surface's own.
enum class EditorEvent {
    Changed,     // the user changed the page (once until the page is next read)
    Display,     // the selection's display changed; data "state" is its new state
    Paste,       // the engine's own paste; data "html" and "text" are what it pasted
    Complete,    // a load or a write is done
    ContextMenu, // a right click at data "x", "y"
    MenuAction,  // the context menu's item data "index" was chosen
};
