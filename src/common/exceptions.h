// The game's error objects, thrown and caught by pointer; the handler that
// finally deals with one deletes it.
#pragma once

#include <cstdint>

class user_exception {
public:
    // Copies the message, cut to 79 characters.
    explicit user_exception(const char* message);
    // Virtual because handlers delete a direct_exception through a
    // user_exception pointer.
    virtual ~user_exception() = default;
    virtual const char* GetText();

protected:
    user_exception() = default;
    char text[80] = {};
};

class direct_exception : public user_exception {
public:
    explicit direct_exception(std::int32_t code);
    // The text of the code's table entry ("Invalid mode", ...), or "Unknown error".
    const char* GetText() override;

    std::int32_t code = 0;
};
