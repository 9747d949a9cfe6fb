#include "platform/forms/Guard.h"

#include "platform/forms/App.h"
#include "platform/forms/MsgBox.h"
#include "platform/vb/RuntimeError.h"

namespace forms {

namespace {
void fail(int number, const QString& description)
{
    // One box per run: once the program is ending, later errors of the same event are its echoes.
    if (App::ending())
        return;
    MsgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(description), vbCritical, App::Title());
    App::End(1);
}
} // namespace

void runHandler(const std::function<void()>& handler)
{
    if (App::ending())
        return;
    try {
        handler();
    } catch (const vb::RuntimeError& e) {
        fail(e.number(), e.description());
    } catch (const std::exception& e) {
        fail(51, QString::fromLocal8Bit(e.what()));
    }
}

} // namespace forms
