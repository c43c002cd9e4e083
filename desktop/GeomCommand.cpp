#include "desktop/GeomCommand.h"

#include "desktop/GeomMainWindow.h"

const GeomCommand* GeomCommand::Of(const std::string& name) {
    using W = GeomMainWindow;
    static const GeomCommand kCommands[] = {
        {"Open", QKeySequence::Open, false, &W::OpenDialog, "document-open", QStyle::SP_DialogOpenButton},
        {"Close", QKeySequence::Close, true, &W::CloseDocument},
        {"Save", QKeySequence::Save, true, &W::Save, "document-save", QStyle::SP_DialogSaveButton},
        {"SaveAs", QKeySequence::SaveAs, true, &W::SaveAsDialog},
        {"Quit", QKeySequence::Quit, false, &W::Quit},
        {"ZoomIn", QKeySequence::ZoomIn, true, &W::ZoomIn, "zoom-in"},
        {"ZoomOut", QKeySequence::ZoomOut, true, &W::ZoomOut, "zoom-out"},
        {"FitPage", QKeySequence(Qt::CTRL | Qt::Key_0), true, &W::FitPage, "zoom-fit-best"},
        {"RotateCW", QKeySequence(Qt::CTRL | Qt::Key_R), true, &W::RotateClockwise},
        {"RotateCCW", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), true, &W::RotateCounterclockwise},
        {"Hand", QKeySequence(), false, &W::HandTool, "transform-browse"},
    };
    for (const GeomCommand& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}
