// The window registry: default instances by class, extra instances, and the
// load order, with plain widgets standing in for the program's windows.

#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "ui/app/WindowRegistry.h"

namespace zb::ui::test {
namespace {

class WindowRegistryTest : public ::testing::Test {
 protected:
  // "frmVk" windows record themselves in the load order when loaded and ask
  // for their default instance while loading, as windows do of each other.
  void SetUp() override {
    registry.SetFactory(
        "frmVk", [this] { return made.emplace_back(new QWidget).data(); },
        [this](QWidget& window) {
          loadedWhileDefault.push_back(&registry.Default("frmVk"));
          registry.RecordLoaded(&window);
        });
  }

  WindowRegistry registry;
  std::vector<QPointer<QWidget>> made;
  std::vector<QWidget*> loadedWhileDefault;
};

TEST_F(WindowRegistryTest, TheDefaultInstanceIsMadeAndLoadedOnceOnFirstUse) {
  EXPECT_EQ(registry.LoadedDefault("frmVk"), nullptr);
  EXPECT_TRUE(made.empty());
  QWidget& first = registry.Default("frmVk");
  EXPECT_EQ(&registry.Default("frmVk"), &first);
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(loadedWhileDefault, std::vector<QWidget*>{&first});
  EXPECT_EQ(registry.LoadedDefault("frmVk"), &first);
}

TEST_F(WindowRegistryTest, ExtraInstancesLiveBesideTheDefaultOneInLoadOrder) {
  QWidget& estimator = registry.Default("frmVk");
  QWidget* pruning = registry.NewInstance("frmVk");
  ASSERT_NE(pruning, &estimator);
  EXPECT_EQ(&registry.Default("frmVk"), &estimator);
  ASSERT_EQ(registry.LoadOrder().size(), 2u);
  EXPECT_EQ(registry.LoadOrder()[0], &estimator);
  EXPECT_EQ(registry.LoadOrder()[1], pruning);

  delete pruning;  // its holder lets it go; it leaves the load order
  registry.RecordLoaded(&estimator);
  EXPECT_EQ(registry.LoadOrder().size(), 2u);
  EXPECT_EQ(registry.LoadOrder()[0], &estimator);
}

TEST_F(WindowRegistryTest, DefaultWindowsOfTheirOwnGoWithTheRegistryChildWindowsWithTheirParent) {
  QWidget parent;
  registry.Default("frmVk").setParent(&parent);
  registry.SetFactory(
      "ZusatzDipol", [this] { return made.emplace_back(new QWidget).data(); }, [](QWidget&) {});
  registry.Default("ZusatzDipol");
  registry.DeleteWindows();
  ASSERT_EQ(made.size(), 2u);
  EXPECT_FALSE(made[0].isNull());  // the child window stays with its parent
  EXPECT_TRUE(made[1].isNull());
}

TEST_F(WindowRegistryTest, AClassWithoutFactoryIsAProgrammingError) {
  EXPECT_THROW(registry.Default("frmUnbekannt"), std::logic_error);
  EXPECT_THROW(registry.NewInstance("frmUnbekannt"), std::logic_error);
  EXPECT_EQ(registry.LoadedDefault("frmUnbekannt"), nullptr);
}

}  // namespace
}  // namespace zb::ui::test
