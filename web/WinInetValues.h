#pragma once
// The few WinINet numbers that the portable request description carries, so that the Win32
// transports apply exactly what the portable code decided. Values as in <wininet.h>.
#include <cstdint>

namespace inet {

constexpr std::uint32_t kOpenTypePreconfig = 0;
constexpr std::uint32_t kOpenTypeDirect = 1;

constexpr std::uint32_t kFlagReload = 0x80000000u;
constexpr std::uint32_t kFlagNoCacheWrite = 0x04000000u;
constexpr std::uint32_t kFlagSecure = 0x00800000u;
constexpr std::uint32_t kFlagIgnoreCertDateInvalid = 0x00002000u;
constexpr std::uint32_t kFlagIgnoreCertCnInvalid = 0x00001000u;
constexpr std::uint32_t kFlagTransferBinary = 0x00000002u;

constexpr std::uint16_t kDefaultHttpPort = 80;
constexpr std::uint16_t kDefaultHttpsPort = 443;

// Last-error codes the portable side reports itself.
constexpr std::uint32_t kErrorNoAddress = 0xFFFFFFFFu;
constexpr std::uint32_t kErrorInvalidUrl = 12005;          // ERROR_INTERNET_INVALID_URL
constexpr std::uint32_t kErrorUnrecognizedScheme = 12006;  // ERROR_INTERNET_UNRECOGNIZED_SCHEME

// Status notifications of the session road.
constexpr std::uint32_t kStatusResolvingName = 10;
constexpr std::uint32_t kStatusNameResolved = 11;
constexpr std::uint32_t kStatusConnectingToServer = 20;
constexpr std::uint32_t kStatusConnectedToServer = 21;
constexpr std::uint32_t kStatusSendingRequest = 30;
constexpr std::uint32_t kStatusRequestSent = 31;
constexpr std::uint32_t kStatusReceivingResponse = 40;
constexpr std::uint32_t kStatusResponseReceived = 41;
constexpr std::uint32_t kStatusClosingConnection = 50;
constexpr std::uint32_t kStatusConnectionClosed = 51;
constexpr std::uint32_t kStatusHandleCreated = 60;
constexpr std::uint32_t kStatusHandleClosing = 70;
constexpr std::uint32_t kStatusRequestComplete = 100;

}  // namespace inet
