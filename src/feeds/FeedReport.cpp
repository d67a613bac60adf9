#include "feeds/FeedReport.h"

const char* FeedKindName(FeedKind kind)
{
    switch (kind) {
    case FeedKind::Rss:
        return "rss";
    case FeedKind::Atom:
        return "atom";
    case FeedKind::None:
        break;
    }
    return "";
}
