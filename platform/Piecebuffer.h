#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

// A stream's buffer that gathers what is put into it and hands it on a piece of kBytes at a
// time, when the piece is full and at each flush: one write per piece, not per character.
template <std::size_t kBytes>
class CPieceBuffer : public std::streambuf
{
protected:
    CPieceBuffer() { setp(m_Space.data(), m_Space.data() + m_Space.size()); }

    // Hands on the bytes gathered, none at a flush with nothing new; false when they could not
    // go, which makes the stream bad.
    virtual bool drain(const char* data, std::ptrdiff_t length) = 0;

    int_type overflow(int_type c) override
    {
        if (!drainGathered())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drainGathered() ? 0 : -1; }

private:
    bool drainGathered()
    {
        const std::ptrdiff_t length = pptr() - pbase();
        setp(m_Space.data(), m_Space.data() + m_Space.size());
        return drain(m_Space.data(), length);
    }

    std::array<char, kBytes> m_Space{};
};
