#pragma once

#include <string>

namespace korvel {

// A window of the program: its caption, its load and unload events and whether it is still open.
// Front ends call Form_Load through Ui::ShowModal and Unload when the user closes the window.
class Window {
  public:
    explicit Window(std::string caption) : Caption(std::move(caption)) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    std::string Caption;

    virtual void Form_Load() {}
    // Runs before the window closes, however it is closed; setting `Cancel` keeps it open.
    virtual void Form_Unload(bool& Cancel) { (void)Cancel; }

    // Closes the window unless Form_Unload cancels. Returns true when the window is now closed.
    bool Unload() {
        if (unloaded_) return true;
        bool cancel = false;
        Form_Unload(cancel);
        unloaded_ = !cancel;
        return unloaded_;
    }
    bool IsUnloaded() const { return unloaded_; }

  private:
    bool unloaded_ = false;
};

}  // namespace korvel
