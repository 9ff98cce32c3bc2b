#pragma once

#include "vlc/HttpExchange.h"

#include <memory>

// Makes the exchanges of a request channel. The network access a channel is
// given may be one (an in-memory transport); any other means real sockets.
class HttpExchangeFactory {
public:
    virtual ~HttpExchangeFactory() = default;
    virtual std::unique_ptr<HttpExchange> createExchange(const HttpExchange::Request& request) = 0;
};
