#include "platform/window_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pave {
namespace {

std::vector<std::string> events;

class Fake : public Window {
 public:
  explicit Fake(std::string name, bool unload_while_loading = false)
      : name_(std::move(name)), unload_(unload_while_loading) {
    events.push_back("create " + name_);
  }
  ~Fake() override { events.push_back("destroy " + name_); }
  void Load() override {
    ++loads;
    events.push_back("load " + name_);
    if (unload_) registry()->Unload(this);
    // Still safe to use: destruction waits until the load step returned.
    events.push_back("load end " + name_);
  }
  void Show() override { events.push_back("show " + name_); }
  int loads = 0;

 private:
  std::string name_;
  bool unload_;
};

class WindowRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { events.clear(); }
};

TEST_F(WindowRegistryTest, LoadsOnceAndKeepsFirstLoadState) {
  WindowRegistry registry;
  Fake* first = registry.Load<Fake>("frmEditor", "a");
  ASSERT_NE(first, nullptr);
  // Loading again returns the loaded window: no new window, no second load step.
  Fake* again = registry.Load<Fake>("frmEditor", "b");
  EXPECT_EQ(again, first);
  EXPECT_EQ(first->loads, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"create a", "load a", "load end a"}));
  EXPECT_TRUE(registry.IsLoaded("frmEditor"));
  EXPECT_EQ(registry.Find<Fake>("frmEditor"), first);
}

TEST_F(WindowRegistryTest, ShowBringsLoadedWindowForwardOnly) {
  WindowRegistry registry;
  EXPECT_FALSE(registry.Show("frmHelp1"));
  registry.LoadAndShow<Fake>("frmHelp1", "h");
  EXPECT_TRUE(registry.Show("frmHelp1"));
  EXPECT_EQ(events, (std::vector<std::string>{"create h", "load h", "load end h", "show h",
                                              "show h"}));
}

TEST_F(WindowRegistryTest, UnloadDestroysAndNextLoadStartsAfresh) {
  WindowRegistry registry;
  registry.Load<Fake>("frmEditor", "a");
  registry.Unload("frmEditor");
  EXPECT_FALSE(registry.IsLoaded("frmEditor"));
  registry.Unload("frmEditor");   // nothing loaded: nothing happens
  Fake* second = registry.Load<Fake>("frmEditor", "b");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->loads, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"create a", "load a", "load end a", "destroy a",
                                              "create b", "load b", "load end b"}));
}

TEST_F(WindowRegistryTest, LoadStepMayUnloadItsOwnWindow) {
  WindowRegistry registry;
  EXPECT_EQ(registry.LoadAndShow<Fake>("frmTOLMER", "g", true), nullptr);
  EXPECT_FALSE(registry.IsLoaded("frmTOLMER"));
  EXPECT_EQ(events, (std::vector<std::string>{"create g", "load g", "load end g", "destroy g"}));
}

TEST_F(WindowRegistryTest, KindsAreIndependentAndRegistryUnloadsAllAtEnd) {
  {
    WindowRegistry registry;
    registry.Load<Fake>("one", "1");
    registry.Load<Fake>("two", "2");
    EXPECT_EQ(registry.LoadedKinds(), (std::vector<std::string>{"one", "two"}));
    // A window destroyed directly leaves the registry.
    delete registry.Find("one");
    EXPECT_EQ(registry.LoadedKinds(), (std::vector<std::string>{"two"}));
  }
  EXPECT_EQ(events.back(), "destroy 2");
}

}  // namespace
}  // namespace pave
