#pragma once
// Qt asks for the user's runtime folder while it starts, and when
// XDG_RUNTIME_DIR is unset (a console login, su, a container) it warns on
// stderr before falling back to a private folder under the temporary folder.
// The fallback works, so the player need not read about it.

namespace quorvan {

// Names Qt's own fallback folder in XDG_RUNTIME_DIR when the variable is unset;
// Qt then creates or checks it as usual. Call before the application object.
void ChooseRuntimeFolder();

}  // namespace quorvan
