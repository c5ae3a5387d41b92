#pragma once
// Qt takes the user's locale from the environment when the application is
// made. Under a locale that is not UTF-8 (a login that sets no LANG leaves
// the POSIX one) Qt 6.4 writes the Japanese window titles into the legacy
// WM_NAME property as mojibake, which taskbars and tools that read WM_NAME
// show as it is.

namespace quorvan {

// When the user's locale does not handle characters as UTF-8, asks for
// C.UTF-8 character handling through the environment and leaves every other
// category as the user set it. Call before the application object.
void UseUtf8Characters();

}  // namespace quorvan
