// Window effects: a caption animated into and out of the notification area, and window locking.
#include "graphics/clsBitmap.h"

#include "platform/forms/Form.h"
#include "platform/gdi/Gdi.h"

#include <string_view>

bool clsBitmap::FindNotificationArea(QWidget& frm)
{
    m_hTrayWnd = gdi::FindWindowA("Shell_TrayWnd", nullptr);
    m_hChildWnd = gdi::GetWindow(m_hTrayWnd, gdi::GW_CHILD);
    // The walk ends after the last child: a desktop without a notification area has none to find.
    while (m_hChildWnd != 0) {
        m_strClassName.fill(' ');
        m_lngClassNameLength =
            gdi::GetClassNameA(m_hChildWnd, m_strClassName.data(), static_cast<int>(m_strClassName.size()));
        if (std::string_view(m_strClassName.data(), m_strClassName.size()).find("TrayNotifyWnd")
            != std::string_view::npos)
            break;
        m_hChildWnd = gdi::GetWindow(m_hChildWnd, gdi::GW_HWNDNEXT);
    }
    m_hNotifyWnd = m_hChildWnd;
    m_lngResult = gdi::GetWindowRect(gdi::windowHandle(&frm), &m_rcWindow);
    m_lngResult = gdi::GetWindowRect(m_hNotifyWnd, &m_rcNotify);
    return m_hNotifyWnd != 0 && m_lngResult != 0;
}

void clsBitmap::TitleToTray(forms::Form& frm)
{
    if (FindNotificationArea(frm))
        m_lngResult = gdi::DrawAnimatedRects(gdi::windowHandle(&frm), gdi::IDANI_CAPTION, &m_rcWindow, &m_rcNotify);
    frm.setVisible(false);
    frm.Hide();
}

void clsBitmap::TrayToTitle(forms::Form& frm)
{
    if (FindNotificationArea(frm))
        m_lngResult = gdi::DrawAnimatedRects(gdi::windowHandle(&frm), gdi::IDANI_CAPTION, &m_rcNotify, &m_rcWindow);
    frm.setVisible(true);
    frm.Show();
}

void clsBitmap::LockWindow(QWidget& FormName) { gdi::LockWindowUpdate(gdi::windowHandle(&FormName)); }

void clsBitmap::UnLockWindow() { gdi::LockWindowUpdate(0); }
