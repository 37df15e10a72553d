#include "platform/u_einheiten.h"

std::optional<Krafteinheit> KrafteinheitAn(int position)
{
    if (position < 0 || position > 2)
        return std::nullopt;
    return Krafteinheit(position);
}

std::optional<Streckenlasteinheit> TabellenStreckenlastAn(int position)
{
    if (position < 0 || position > 8)
        return std::nullopt;
    return Streckenlasteinheit{Krafteinheit(position % 3), Lastbezug(position / 3)};
}

std::optional<Streckenlasteinheit> RechnerStreckenlastAn(int position)
{
    if (position < 0 || position > 5)
        return std::nullopt;
    return Streckenlasteinheit{Krafteinheit(position % 3), position < 3 ? Lastbezug::JeMeter : Lastbezug::JeSpannweite};
}
