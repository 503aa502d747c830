#pragma once
// Ids of the message texts the shell adds to the language files (580 to
// 599), beside the texts of the 300s its Parts name: SHELL_MESSAGE(name, id).
// No window headers here, so the resource checks can list them too.

// clang-format off
#define PELMORAN_SHELL_MESSAGES(X)                                                  \
  X(TableRowNotNumber, 580) /* "##": the sample number whose cell holds no number */
// clang-format on

namespace ShellMessage {
#define PELMORAN_SHELL_MESSAGE_ID(name, id) inline constexpr int k##name = id;
PELMORAN_SHELL_MESSAGES(PELMORAN_SHELL_MESSAGE_ID)
#undef PELMORAN_SHELL_MESSAGE_ID
}  // namespace ShellMessage
