#pragma once

#include <memory>

namespace xonQMInterpreter {

// A source of characters read one at a time from the first to the last.
class CStreamInBase
{
public:
    CStreamInBase() = default;
    CStreamInBase(const CStreamInBase&) = delete;
    CStreamInBase& operator=(const CStreamInBase&) = delete;
    virtual ~CStreamInBase() = default;

    // True when the source is ready to be read.
    virtual bool open() = 0;
    // Back to the first character.
    virtual bool moveFirst() = 0;
    virtual bool isBegin() const = 0;
    virtual bool isEnd() const = 0;
    virtual bool reset() = 0;
    virtual void close() = 0;
    virtual int getLength() const = 0;
    virtual int getPosition() const = 0;
    // The character at the position (0 outside the text); the position always advances.
    virtual char getChar() = 0;
    // Up to count characters from the position on, stopping at the end; answers how many were
    // read. A source that can hand over a block at once overrides this, so that a reader pays
    // one call per block instead of one per character.
    virtual int read(char* buffer, int count)
    {
        int read = 0;
        while (read < count && !isEnd())
            buffer[read++] = getChar();
        return read;
    }
};

// Serves a text held in memory: either its own copy or a text its owner keeps alive.
class CStreamInString : public CStreamInBase
{
public:
    CStreamInString() = default;
    ~CStreamInString() override = default;

    bool open() override { return true; }
    bool moveFirst() override;
    bool isBegin() const override { return m_Position == 0; }
    bool isEnd() const override { return m_Position >= m_Length; }
    bool reset() override;
    void close() override { m_Position = 0; }
    int getLength() const override { return m_Length; }
    int getPosition() const override { return m_Position; }
    char getChar() override;
    int read(char* buffer, int count) override;

    // Keeps a copy of a NUL-terminated text; a null or empty text leaves the source empty.
    // False only when the copy cannot be had (the source is then empty).
    bool setText(const char* text);
    bool create(const char* text) { return setText(text); }
    // Serves length bytes of a text that the caller keeps unchanged while it is read, so a
    // large text is not copied; with trailingBlank a blank follows them (length + 1 in all).
    void attachText(const char* text, int length, bool trailingBlank = false);

private:
    void release();
    // The character at an index within the length.
    char charAt(int index) const { return index < m_TextLength ? m_Text[index] : ' '; }

    std::unique_ptr<char[]> m_Copy;
    const char* m_Text = nullptr;
    // Bytes of m_Text served; m_Length also counts the trailing blank.
    int m_TextLength = 0;
    int m_Length = 0;
    int m_Position = 0;
};

} // namespace xonQMInterpreter
