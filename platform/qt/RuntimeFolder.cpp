#include "platform/qt/RuntimeFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QString>

namespace quorvan {

void ChooseRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const uid_t uid = geteuid();
  const passwd* user = getpwuid(uid);
  const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QString::number(uid);
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(QDir::tempPath() + "/runtime-" + name));
}

}  // namespace quorvan
