#pragma once
// The handler guard. Every event handler runs inside it, so that no exception crosses
// Qt's event loop: an error the handler leaves unhandled is shown in a critical message
// box ("Error " number ": " description, or only the words of an error whose cause is known)
// and the program goes on.

#include <functional>

void runGuarded(const std::function<void()>& handler);
