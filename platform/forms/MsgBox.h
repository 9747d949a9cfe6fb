#pragma once

#include <QList>
#include <QString>

namespace forms {

enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The one way the program puts a message in front of the user. Without a title the box carries
// the application's title.
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = {});

struct MsgBoxCall {
    QString prompt;
    int buttons;
    QString title;
};

// While one lives, message boxes are not shown: each call is kept and answered with OK (or Yes) at
// once, so a test never waits on a modal dialog.
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const QList<MsgBoxCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

private:
    friend int MsgBox(const QString&, int, const QString&);
    QList<MsgBoxCall> calls_;
    MsgBoxRecorder* previous_;
};

} // namespace forms
