// String-table ids of the session road's status texts (English texts beside each). Plain
// defines, so the resource scripts can include this file.
#pragma once

#define IDS_STATUS_RESOLVING_NAME       1180  // "Resolving name for %s"
#define IDS_STATUS_NAME_RESOLVED        1181  // "Resolved name for %s"
#define IDS_STATUS_CONNECTING           1182  // "Connecting to socket address "
#define IDS_STATUS_CONNECTED            1183  // "Connected to socket address"
#define IDS_STATUS_SENDING_REQUEST      1184  // "Sending request..."
#define IDS_STATUS_REQUEST_SENT         1185  // "Request sent"
#define IDS_STATUS_RESPONSE_RECEIVED    1186  // "Response received"
#define IDS_STATUS_CLOSING_CONNECTION   1187  // "Closing the connection to the server"
#define IDS_STATUS_CONNECTION_CLOSED    1188  // "Connection to the server closed"
#define IDS_STATUS_REQUEST_COMPLETE_EX  1189  // "Request complete, dwResult = %8.8X, dwError = %8.8X"
#define IDS_STATUS_REQUEST_COMPLETE     1190  // "Request complete"
#define IDS_STATUS_UNKNOWN              1191  // "Unknown status: %d"
#define IDS_STATUS_READ_BYTES           1192  // "Read %d bytes"
#define IDS_STATUS_READ_RATE            1193  // "Read %d bytes (%0.1f Kb/s)"
