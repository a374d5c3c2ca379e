#include "ui/app/WindowRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace zb::ui {

void WindowRegistry::DeleteWindows() {
  for (auto it = defaultsMade_.rbegin(); it != defaultsMade_.rend(); ++it)
    if (QWidget* window = it->data(); window && !window->parentWidget()) delete window;
}

void WindowRegistry::SetFactory(std::string_view windowClass, Create create, Load load) {
  factories_[std::string(windowClass)] = Factory{std::move(create), std::move(load)};
}

const WindowRegistry::Factory& WindowRegistry::FactoryOf(std::string_view windowClass) const {
  const auto found = factories_.find(windowClass);
  if (found == factories_.end())
    throw std::logic_error("no factory for the window class " + std::string(windowClass));
  return found->second;
}

QWidget& WindowRegistry::Default(std::string_view windowClass) {
  if (QWidget* loaded = LoadedDefault(windowClass)) return *loaded;
  const Factory& factory = FactoryOf(windowClass);
  QWidget* window = factory.create();
  // Known as the default instance before its load behaviour runs, as the
  // windows expect of each other.
  defaults_[std::string(windowClass)] = window;
  defaultsMade_.emplace_back(window);
  factory.load(*window);
  return *window;
}

QWidget* WindowRegistry::LoadedDefault(std::string_view windowClass) const {
  const auto found = defaults_.find(windowClass);
  return found == defaults_.end() ? nullptr : found->second.data();
}

QWidget* WindowRegistry::NewInstance(std::string_view windowClass) {
  const Factory& factory = FactoryOf(windowClass);
  QWidget* window = factory.create();
  factory.load(*window);
  return window;
}

void WindowRegistry::RecordLoaded(QWidget* window) {
  std::erase_if(loadOrder_, [](const QPointer<QWidget>& w) { return w.isNull(); });
  loadOrder_.emplace_back(window);
}

}  // namespace zb::ui
