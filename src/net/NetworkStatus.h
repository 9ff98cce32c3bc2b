#pragma once

// How the device can reach a destination, as the status operations answer it.
enum NetworkStatus : int {
    NotReachable = 0,
    ReachableViaCarrierDataNetwork = 1, // the route is a transient connection
    ReachableViaWiFiNetwork = 2,        // any other route
};
