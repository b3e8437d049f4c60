#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// How a window of which the program has at most one instance (a data view, a pane, a
// dialog) is reached: by its type, never by a name. Load creates it once and runs its
// Form_Load when it has one; Show loads it if needed and shows it as a child of the main
// window (or alone while no main window stands) or brings it to the front; Unload deletes
// it with its frame. IsOpen is the open flag, set once the load went through, while the
// window lives. Every window that was ever loaded joins the list UnloadAllWindows() walks.

namespace windows_detail {
// Where a shown window goes: a child frame of the main window once the shell sets it.
void ShowAsChild(QWidget* window);
void DeleteWithFrame(QWidget* window);
// unload(except) unloads the window unless it is except.
void RegisterUnloader(std::function<void(const QWidget* except)> unload);
} // namespace windows_detail

// Unloads every single-instance window that is loaded (shutdown), last loaded first, each
// through its own unload, except the window except (the one that is closing already).
void UnloadAllWindows(const QWidget* except = nullptr);
// The shell's placement of a data window as a child of the main window; unset, a window
// shows on its own.
void SetChildWindowPlacement(std::function<void(QWidget* window)> place);

template <class W> class SingleWindow {
public:
    // The loaded window, or nullptr.
    W* Instance() const { return window_.data(); }
    // The open flag (the load went through) while the window lives.
    bool IsOpen() const { return window_ && open_; }

    W& Load() {
        if (!window_) {
            open_ = false;
            window_ = new W;
            registerOnce();
            if constexpr (requires(W & w) { w.Form_Load(); })
                window_->Form_Load();
            open_ = true;
        }
        return *window_;
    }
    W& Show() {
        W& window = Load();
        windows_detail::ShowAsChild(&window);
        return window;
    }
    void Unload() {
        if (W* window = window_.data())
            windows_detail::DeleteWithFrame(window);
        open_ = false;
    }

private:
    void registerOnce() {
        if (registered_)
            return;
        registered_ = true;
        windows_detail::RegisterUnloader([this](const QWidget* except) {
            if (window_.data() != except)
                Unload();
        });
    }

    QPointer<W> window_;
    bool open_ = false;
    bool registered_ = false;
};

// The one instance slot of window type W.
template <class W> SingleWindow<W>& Window() {
    static SingleWindow<W> slot;
    return slot;
}
