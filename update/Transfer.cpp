#include "update/Transfer.h"

TransferEnd CopyChunks(const ReadChunk& read, const WriteChunk& write, std::int64_t maxBytes,
                       TransferState& state)
{
    char buffer[kTransferChunkBytes];
    std::int64_t total = 0;
    for (;;) {
        if (state.Cancelled())
            return TransferEnd::Cancelled;
        int got = read(buffer, kTransferChunkBytes);
        if (got < 0)
            return TransferEnd::ReadFailed;
        if (got == 0)
            return TransferEnd::Complete;
        if (got > kTransferChunkBytes)
            return TransferEnd::ReadFailed;
        if (total + got > maxBytes)
            return TransferEnd::TooLong;
        if (!write(buffer, got))
            return TransferEnd::WriteFailed;
        total += got;
        state.AddReceived(got);
    }
}
