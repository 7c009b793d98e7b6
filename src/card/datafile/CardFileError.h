#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace cardfile {

// A data file that cannot be opened, read or written. what() is a German sentence for the user
// (UTF-8); code() keeps the operating system's reason when there is one.
class CardFileError : public std::runtime_error {
public:
    explicit CardFileError(const std::string& message, std::error_code code = {});

    const std::error_code& code() const { return code_; }

private:
    std::error_code code_;
};

// "Die Datei „<path>“ <what>" with the path as the user knows it.
std::string fileMessage(const std::filesystem::path& path, std::string_view what);

} // namespace cardfile
