#pragma once

#include "app/Pages.h"
#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "meter/MeterTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QStringList>

#include <optional>

Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(std::optional<Page>)

// Pages the frame holds right now, in unloading order.
inline QList<Page> loadedPages(const frmMain &frame)
{
    QList<Page> out;
    for (Page p : Pages::all()) {
        if (frame.page(p))
            out << p;
    }
    return out;
}

// Runs the deletions that windows and pages leave for after their handlers.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// After a command that opens `allowed`: nothing else may be loaded. The page
// itself may be missing while the build does not have it yet.
inline bool onlyLoaded(const frmMain &frame, std::optional<Page> allowed)
{
    const QList<Page> loaded = loadedPages(frame);
    return loaded.isEmpty() || (allowed && loaded == QList<Page>{*allowed});
}

// Messages left by a test, less the one the download page shows on a machine
// without the meter's serial port. The recorder is emptied for the next test.
inline QStringList unexpectedMessages(MessageRecorder &recorder)
{
    QStringList texts = recorder.texts();
    texts.removeAll(MeterTexts::kPortError);
    recorder.clear();
    return texts;
}
