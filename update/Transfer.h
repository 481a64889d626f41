#pragma once
// One fetch's bytes on their way from the network into a file. A fetching thread copies the
// chunks; the user-interface thread reads how far it got (for the progress window) and may ask
// it to stop. Only the atomics below are shared.
#include <atomic>
#include <cstdint>
#include <functional>

constexpr int kTransferChunkBytes = 1023;

class TransferState {
public:
    std::int64_t Received() const { return received_.load(std::memory_order_relaxed); }
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // Set by the fetching thread as its very last write.
    void Finish() { finished_.store(true, std::memory_order_release); }
    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    void AddReceived(std::int64_t bytes) { received_.fetch_add(bytes, std::memory_order_relaxed); }

private:
    std::atomic<std::int64_t> received_{0};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
};

enum class TransferEnd {
    Complete,      // the source ended and every byte was written
    ReadFailed,
    WriteFailed,
    TooLong,       // the source gave more than the limit; nothing past it was written
    Cancelled,
};

// Reads up to size bytes into buffer: the count, 0 at the end, negative on failure.
using ReadChunk = std::function<int(char* buffer, int size)>;
using WriteChunk = std::function<bool(const char* data, int size)>;

// Copies chunks of kTransferChunkBytes from read to write until the end, a failure, more than
// maxBytes in all, or a cancel (looked at before every read).
TransferEnd CopyChunks(const ReadChunk& read, const WriteChunk& write, std::int64_t maxBytes,
                       TransferState& state);
