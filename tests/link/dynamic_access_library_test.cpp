#include "link/dynamic_access_library.h"

#include <gtest/gtest.h>

namespace zavo {
namespace {

TEST(DynamicAccessLibrary, NamesEveryCandidateWhenNothingLoads) {
  try {
    DynamicAccessLibrary::Load({"/nonexistent/dir/libnothing.so", "libnothing-either.so"});
    FAIL() << "loaded something";
  } catch (const LibraryLoadError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("Cannot load the terminal access library"), std::string::npos);
    EXPECT_NE(what.find("/nonexistent/dir/libnothing.so"), std::string::npos);
    EXPECT_NE(what.find("libnothing-either.so"), std::string::npos);
  }
}

TEST(DynamicAccessLibrary, BesideTheProgramComesFirst) {
  const auto candidates = DynamicAccessLibrary::DefaultCandidates();
  ASSERT_EQ(candidates.size(), 2u);
  EXPECT_NE(candidates[0], DynamicAccessLibrary::FileName());
  EXPECT_EQ(candidates[0].substr(candidates[0].size() -
                                 std::string(DynamicAccessLibrary::FileName()).size()),
            DynamicAccessLibrary::FileName());
  EXPECT_EQ(candidates[1], DynamicAccessLibrary::FileName());
}

}  // namespace
}  // namespace zavo

namespace zavo {
namespace {

TEST(DynamicAccessLibrary, ALibraryWithoutTheFunctionsIsRefused) {
#ifdef _WIN32
  const char* other = "kernel32.dll";
#else
  const char* other = "libc.so.6";
#endif
  try {
    DynamicAccessLibrary::Load({other});
    FAIL() << "accepted " << other;
  } catch (const LibraryLoadError& e) {
    EXPECT_NE(std::string(e.what()).find("has no function ZavRegisterProcessC"), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace zavo
