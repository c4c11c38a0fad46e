// Helpers for driving the desktop program in tests: a session on a temporary data
// folder, answers for message boxes and file dialogs, and actions run on a modal
// dialog once it is open.
#pragma once

#include "app/app_session.h"
#include "app/file_dialogs.h"
#include "app/message_box.h"
#include "app/search_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zelk::test {

// Collects warnings and success notices apart, and answers every question with
// `yes`.
struct RecordingResponder : MessageResponder {
    QStringList warnings;     // shown with the warning icon
    QStringList informations; // shown with the information icon
    QStringList questions;
    bool yes = true;
    void warned(const QString& text) override { warnings << text; }
    void informed(const QString& text) override { informations << text; }
    bool answer(const QString& text) override {
        questions << text;
        return yes;
    }
};

// Runs `act` on the next modal dialog that opens (polling until it does).
inline void WhenDialogOpens(std::function<void(QDialog*)> act, int triesLeft = 200) {
    QTimer::singleShot(5, [act = std::move(act), triesLeft]() mutable {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            act(d);
            return;
        }
        if (triesLeft > 0) WhenDialogOpens(std::move(act), triesLeft - 1);
    });
}

// A fixed present moment: 2024-03-15 10:20.
inline Clock TestClock(int year = 2024, int month = 3, int day = 15, int hour = 10,
                       int minute = 20) {
    return FixedClock({year, month, day, hour, minute});
}

// A program run on its own temporary data folder; messages go to `responder`.
struct TestSession {
    explicit TestSession(const QString& dataDir, Clock clock = TestClock()) {
        SetMessageResponder(&responder);
        StartupOptions options;
        options.dataDir = dataDir;
        options.showSplash = false;
        options.clock = std::move(clock);
        session = std::make_unique<AppSession>();
        started = session->start(options);
    }
    ~TestSession() {
        session.reset();
        SetMessageResponder(nullptr);
        SetFileChooser(nullptr);
        CSearchListDlg::SetChooser(nullptr);
    }
    RecordingResponder responder;
    std::unique_ptr<AppSession> session;
    bool started = false;
};

} // namespace zelk::test
