// No press touches the heap: every allocation is counted while "GENERERA
// rader" is clicked through the in-memory dialog, from the first press on.
// Its own executable, since it replaces the global operator new.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "memory/scripted_user.h"
#include "memory/session.h"

namespace {

bool counting = false;
int allocations = 0;

}  // namespace

// The allocator itself, in pairs: the sanitizers check that what this
// operator new hands out comes back through this operator delete. Not
// inlined, or the compiler takes the free() for one of operator new's
// memory and warns.
// NOLINTBEGIN(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
// NOLINTEND(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)

namespace stenvik {
namespace {

struct PressCase {
    std::string name;
    std::vector<Event> clicks;  // ending with "GENERERA rader"
    bool ownPercentages = false;
    bool uniqueRows = false;
};

// The count is only worth something if this operator new is the one used.
TEST(PressAllocations, TheCountSeesAnAllocation) {
    allocations = 0;
    counting = true;
    const auto text = std::make_unique<std::string>(100, 'x');
    counting = false;
    EXPECT_EQ(allocations, 2);
}

TEST(PressAllocations, NoPressAllocates) {
    const std::vector<PressCase> cases = {
        {"90 grid rows", UserClicks(RowsRequest{.count = 90})},
        {"90 upload rows", UserClicks(RowsRequest{.count = 90, .upload = true})},
        {"90 statistical upload rows, Italienska",
         UserClicks(RowsRequest{.count = 90, .method = Method::Statistical, .upload = true, .game = Game::Italienska})},
        {"90 unique rows by own percentages", UserClicks(RowsRequest{.count = 90}), true, true},
        {"system 4/2", UserClicks(SystemRequest{.half = 4, .full = 2})},
        {"statistical system 0/13", UserClicks(SystemRequest{.full = 13, .method = Method::Statistical})},
        {"refused system", UserClicks(SystemRequest{.half = 13, .sure = {{1, 0}}})},
    };
    for (const auto& press : cases) {
        MemorySession session(1);
        if (press.ownPercentages) session.state.percent.fill(Percent{45, 30, 25});
        session.state.uniqueRows = press.uniqueRows;
        Replay(session, std::span(press.clicks).first(press.clicks.size() - 1));
        const std::string before = session.Rows();

        allocations = 0;
        counting = true;
        session.Click(rc::kGenerate);
        session.Click(rc::kGenerate);
        counting = false;

        EXPECT_EQ(allocations, 0) << press.name;
        EXPECT_NE(session.Rows(), before) << press.name;
    }
}

}  // namespace
}  // namespace stenvik
