// The chunked copy as the download runs it: copied on one thread while another reads the
// progress and cancels. Built with ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "update/Transfer.h"

namespace {

TEST(TransferThreads, ProgressReadAndCancelFromAnotherThread)
{
    for (int round = 0; round < 20; ++round) {
        TransferState state;
        TransferEnd end = TransferEnd::Complete;
        std::int64_t written = 0;
        std::thread fetcher([&] {
            end = CopyChunks([](char* buffer, int size) { std::fill(buffer, buffer + size, 'z'); return size; },
                             [&written](const char*, int size) { written += size; return true; },
                             INT64_MAX, state);
            state.Finish();
        });
        std::int64_t last = 0;
        while (state.Received() < 50000 * (round + 1)) {
            std::int64_t now = state.Received();
            EXPECT_GE(now, last) << "the count only grows";
            last = now;
        }
        state.Cancel();
        while (!state.Finished())
            std::this_thread::yield();
        // After Finish the thread's own writes are seen whole.
        EXPECT_EQ(end, TransferEnd::Cancelled);
        EXPECT_EQ(written, state.Received());
        fetcher.join();
    }
}

} // namespace
