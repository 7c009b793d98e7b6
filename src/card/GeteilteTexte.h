#pragma once

#include <QString>

#include <string>
#include <unordered_map>

// Converts the recorder's UTF-8 texts to QString once per distinct text and hands out shared
// copies: a full card repeats a few dozen places, reasons and categories over a hundred thousand
// rows, and one heap string per field and row cost more memory than the rest of the list.
class GeteilteTexte {
public:
    QString text(const std::string& utf8);

private:
    std::unordered_map<std::string, QString> texte_;
};
