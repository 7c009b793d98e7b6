#include "support/SecretToolNachbau.h"

#include <QDir>
#include <QFile>

const char* const SecretToolNachbau::nachbau = R"sh(#!/bin/sh
ordner=$(dirname "$0")
printf '%s\n' "$*" >> "$ordner/aufrufe"
befehl=$1
shift
[ "$befehl" = store ] && shift
eintrag="$ordner/eintrag-$(printf '%s|' "$@" | md5sum | cut -c1-32)"
case $befehl in
  lookup) [ -f "$eintrag" ] || exit 1; cat "$eintrag" ;;
  store) cat > "$eintrag" ;;
  clear) rm -f "$eintrag" ;;
esac
)sh";

SecretToolNachbau::SecretToolNachbau(const char* skript) : pfadVorher_(qgetenv("PATH"))
{
    const QByteArray ordner = QFile::encodeName(ordner_.path());
    if (!skript) {
        qputenv("PATH", ordner);
        return;
    }
    QFile werkzeug(QDir(ordner_.path()).filePath(QStringLiteral("secret-tool")));
    if (!werkzeug.open(QIODevice::WriteOnly) || werkzeug.write(skript) < 0)
        qFatal("secret-tool-Nachbau nicht anlegbar");
    werkzeug.close();
    werkzeug.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", ordner + ':' + pfadVorher_);
}

SecretToolNachbau::~SecretToolNachbau()
{
    qputenv("PATH", pfadVorher_);
}

QStringList SecretToolNachbau::aufrufe() const
{
    QFile protokoll(QDir(ordner_.path()).filePath(QStringLiteral("aufrufe")));
    if (!protokoll.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(protokoll.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
