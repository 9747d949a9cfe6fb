#pragma once

#include <QWidget>

#include <typeindex>

namespace forms {

// A top-level window of the program. A window class builds its design state in its constructor
// (every control created, named and placed in twips) and overrides the event hooks it handles.
// Each window class has one default instance, reached through instance<T>().
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Shows the window modeless and without an owner, and brings it to the front.
    void Show();
    void Hide() { hide(); }
    // Closes the window the way the user's close box does; the window is destroyed after it.
    void Unload();

    // Outer position and size in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    // The client area's height in twips, whatever the desktop's frame adds around it.
    void setClientHeight(double twips);

    // Runs the load hook once, guarded; instance<T>() calls it when it creates the window.
    void load();

protected:
    enum class Sizing { Fixed, Resizable };
    // The design's window: its name, caption and client size in twips, centred on the screen.
    void designWindow(const QString& name, const QString& caption, double width, double height,
                      Sizing sizing = Sizing::Fixed);
    void setClientSizeTwips(double width, double height);
    // The design's start-up position "centre of the screen".
    void centerOnScreen();

    virtual void Form_Load() {}
    // unloadMode: 0 when the user closes the window, 1 when code unloads it.
    virtual void Form_QueryUnload(int& cancel, int unloadMode) { (void)cancel, (void)unloadMode; }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool loaded_ = false;
    bool unloaded_ = false;
    bool closingByCode_ = false;
};

namespace detail {
Form* findInstance(std::type_index type);
void rememberInstance(std::type_index type, Form* form);
void forgetInstance(Form* form);
} // namespace detail

// The default instance of a window class: created (and its load hook run) on first use, the same
// one until the window is closed, built afresh on the next use after that.
template <class T>
T& instance()
{
    if (Form* f = detail::findInstance(typeid(T)))
        return static_cast<T&>(*f);
    T* form = new T();
    detail::rememberInstance(typeid(T), form);
    form->load();
    return *form;
}

// The live default instance, or nullptr when the window is not loaded.
template <class T>
T* loadedInstance()
{
    return static_cast<T*>(detail::findInstance(typeid(T)));
}

} // namespace forms
