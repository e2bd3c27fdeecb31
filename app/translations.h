#pragma once

class QCoreApplication;

namespace app {

// Qt's own Russian texts for the standard dialogs and buttons.
void InstallRussianTranslations(QCoreApplication& application);

} // namespace app
