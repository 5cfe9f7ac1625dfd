// The errors of the data and settings files, each carrying the message the user is shown.
#pragma once

#include <stdexcept>
#include <string>

namespace nudgeon {

// A value in the data file is not of the kind expected at its place.
class EPropertyError : public std::runtime_error {
public:
    EPropertyError() : std::runtime_error("Invalid property value") {}
};

// The data file ended, or could not be read, before a value was complete.
class EReadError : public std::runtime_error {
public:
    EReadError() : std::runtime_error("Stream read error") {}
};

// Writing the data file failed part-way.
class EWriteError : public std::runtime_error {
public:
    EWriteError() : std::runtime_error("Stream write error") {}
};

class EFCreateError : public std::runtime_error {
public:
    explicit EFCreateError(const std::string& path)
        : std::runtime_error("Cannot create file " + path)
    {}
};

class EFOpenError : public std::runtime_error {
public:
    explicit EFOpenError(const std::string& path) : std::runtime_error("Cannot open file " + path)
    {}
};

// The settings file refused a write.
class EIniFileError : public std::runtime_error {
public:
    explicit EIniFileError(const std::string& path)
        : std::runtime_error("Unable to write to " + path)
    {}
};

} // namespace nudgeon
