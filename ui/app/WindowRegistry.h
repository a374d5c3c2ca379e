#pragma once
// The loaded windows: one default instance per window class, made on first
// use by the factory the program registered for the class, any number of
// extra instances of a class (held by whoever asked for them), and the
// order in which windows were loaded, which the frame closes newest first.
//
// Window libraries never include each other; they ask the registry for a
// window by class name and talk to it through the small interfaces beside
// this file.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zb::ui {

class WindowRegistry {
 public:
  // Makes one window of the class, not yet loaded.
  using Create = std::function<QWidget*()>;
  // Runs the window's load behaviour once, right after it was made.
  using Load = std::function<void(QWidget&)>;

  WindowRegistry() = default;
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;
  ~WindowRegistry() { DeleteWindows(); }

  // Deletes the default instances that are windows of their own (child
  // windows go with their parent), the newest first.
  void DeleteWindows();

  void SetFactory(std::string_view windowClass, Create create, Load load);

  // The default instance; made and loaded when it is not loaded. A class
  // without a factory is a programming error (std::logic_error).
  QWidget& Default(std::string_view windowClass);
  // The default instance when it is loaded, otherwise null; never makes one.
  QWidget* LoadedDefault(std::string_view windowClass) const;
  // True when the program has a factory for the class.
  bool Knows(std::string_view windowClass) const { return factories_.contains(windowClass); }
  // A further instance of the class besides the default one; the caller
  // keeps it.
  QWidget* NewInstance(std::string_view windowClass);

  // As a class's own type, for code that includes the window's header.
  template <class Window>
  Window& Default() {
    return As<Window>(Default(Window::kWindowClass));
  }

  // Windows reach each other only through their interfaces (BeamFormBoxes,
  // VfPruningWindow, ...), and only here is a window turned into one. A window
  // without the interface asked for is a programming error (std::bad_cast).
  template <class Interface>
  Interface& DefaultAs(std::string_view windowClass) {
    return As<Interface>(Default(windowClass));
  }
  template <class Interface>
  static Interface& As(QWidget& window) {
    return dynamic_cast<Interface&>(window);
  }
  // The interface when the window offers it, otherwise null.
  template <class Interface>
  static Interface* IfOffers(QWidget& window) {
    return dynamic_cast<Interface*>(&window);
  }

  // The load order: windows other than the frame, oldest first. Windows
  // that are gone show as null.
  void RecordLoaded(QWidget* window);
  const std::vector<QPointer<QWidget>>& LoadOrder() const { return loadOrder_; }

 private:
  struct Factory {
    Create create;
    Load load;
  };
  const Factory& FactoryOf(std::string_view windowClass) const;

  std::map<std::string, Factory, std::less<>> factories_;
  std::map<std::string, QPointer<QWidget>, std::less<>> defaults_;
  std::vector<QPointer<QWidget>> defaultsMade_;  // oldest first
  std::vector<QPointer<QWidget>> loadOrder_;
};

}  // namespace zb::ui
