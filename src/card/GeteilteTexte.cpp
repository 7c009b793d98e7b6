#include "card/GeteilteTexte.h"

QString GeteilteTexte::text(const std::string& utf8)
{
    const auto gefunden = texte_.find(utf8);
    if (gefunden != texte_.end())
        return gefunden->second;
    return texte_.emplace(utf8, QString::fromStdString(utf8)).first->second;
}
