#pragma once

#include "platform/forms/Form.h"

namespace controls {
class Image;
class Label;
class lvButtons_H;
class WebBrowser;
} // namespace controls

// The web-links browser: an embedded browser that opens on the program's own site, five buttons
// that load tuning sites, and a status line that shows how far a page has loaded.
class browser : public forms::Form {
    Q_OBJECT
public:
    browser();
    ~browser() override;

    static QString startAddress() { return QStringLiteral("https://www.zenvortali.example/"); }

    void lvButtons_H1_Click();
    void lvButtons_H2_Click();
    void lvButtons_H3_Click();
    void lvButtons_H4_Click();
    void lvButtons_H5_Click();
    void WbDictionary_ProgressChange(int Progress, int ProgressMax);

    controls::Image* Image1 = nullptr;
    controls::lvButtons_H* lvButtons_H2 = nullptr;
    controls::lvButtons_H* lvButtons_H1 = nullptr;
    controls::lvButtons_H* lvButtons_H3 = nullptr;
    controls::lvButtons_H* lvButtons_H4 = nullptr;
    controls::lvButtons_H* lvButtons_H5 = nullptr;
    controls::Label* Label1 = nullptr;
    controls::WebBrowser* WbDictionary = nullptr;

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void followLink(std::size_t link);
};
