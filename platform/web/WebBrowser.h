#pragma once

#include <QWebEngineView>

namespace controls {

// An embedded web browser. Navigate starts loading an address and returns at once; while a page
// loads, ProgressChange reports how far it has come (Progress of ProgressMax, rising within one
// load) and a last report with ProgressMax 0 says the load has ended, however it ended.
//
// Its size is kept in twips, as the window code writes it; the pixel size follows from it.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    // Progress is reported in hundredths of a percent.
    static constexpr int kProgressMax = 10000;

    explicit WebBrowser(QWidget* parent);

    void Navigate(const QString& address);

    float Width() const { return width_; }
    float Height() const { return height_; }
    void setWidth(float twips);
    void setHeight(float twips);

signals:
    void ProgressChange(int Progress, int ProgressMax);

private:
    void onStarted();
    void onProgress(int percent);
    void onFinished();
    void applySize();

    float width_ = 0;
    float height_ = 0;
    bool loading_ = false;
    int lastPercent_ = -1;
};

} // namespace controls
