// What geomview does for the host's own menu items and toolbar buttons, which no plug-in stands behind: the
// file commands open the desktop's file dialogs, the view commands page, zoom and turn the front view. An own
// item without one here is shown disabled, as clicking it would do nothing.
#pragma once

#include <QKeySequence>
#include <QStyle>

#include <string>

class GeomMainWindow;

struct GeomCommand {
    const char* name;  // of the host's item or button
    QKeySequence shortcut;
    bool needsDocument;
    void (GeomMainWindow::*run)();
    const char* themeIcon = nullptr;  // for a toolbar button: the desktop theme's picture, or the style's
    QStyle::StandardPixmap styleIcon = QStyle::SP_CustomBase;

    // The command of that name; null when geomview has none.
    static const GeomCommand* Of(const std::string& name);
};
