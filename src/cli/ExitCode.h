#pragma once

// What playerlink-cli's exit status means, for scripts.
enum ExitCode : int {
    ExitOk = 0,
    ExitCommandFailed = 1,
    ExitUsage = 2,
    ExitUnreachable = 3, // unreachable, refused or timed out
    ExitPassword = 4,    // password needed, refused, or not set in VLC
    ExitNotVlc = 5,
    ExitReplyTooLarge = 6, // VLC (or what answers) sent a reply too large to read
};
