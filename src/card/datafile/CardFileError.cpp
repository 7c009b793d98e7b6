#include "card/datafile/CardFileError.h"

namespace cardfile {

CardFileError::CardFileError(const std::string& message, std::error_code code)
    : std::runtime_error(message), code_(code)
{
}

std::string fileMessage(const std::filesystem::path& path, std::string_view what)
{
    std::string message = "Die Datei „";
    message += path.string();
    message += "“ ";
    message += what;
    return message;
}

} // namespace cardfile
