#pragma once

class LinkOpener;
class MailSender;
class SavedRemotesStore;

// What the remotes list takes from the platform it runs on. None is owned;
// each outlives the list.
struct PlatformServices {
    SavedRemotesStore& savedRemotes;
    LinkOpener& links;
    MailSender& mail;
};
