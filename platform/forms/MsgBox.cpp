#include "platform/forms/MsgBox.h"

#include "platform/forms/App.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

namespace {
MsgBoxRecorder* recorder = nullptr;

QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
} // namespace

MsgBoxRecorder::MsgBoxRecorder() : previous_(recorder) { recorder = this; }
MsgBoxRecorder::~MsgBoxRecorder() { recorder = previous_; }

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    const QString caption = title.isEmpty() ? App::Title() : title;
    const int kind = buttons & 0x7;
    if (recorder) {
        recorder->calls_.append({prompt, buttons, caption});
        return kind == vbYesNo ? vbYes : vbOK;
    }
    QMessageBox box(iconOf(buttons), caption, prompt);
    switch (kind) {
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return vbOK;
    }
}

} // namespace forms
