#pragma once

class QCoreApplication;

// Qt's own texts (standard dialog buttons such as "Annulla" and "Aiuto", message-box answers,
// the file chooser) in the program's language, Italian. False when the translation is not
// installed; Qt's English texts stay then.
bool InstallQtTranslations(QCoreApplication& app);
