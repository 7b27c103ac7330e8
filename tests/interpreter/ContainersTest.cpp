#include "ArrayElements.h"
#include "Containers.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

using namespace xonQMInterpreter;

namespace {

// A table of names that counts the elements it deletes.
struct TCounted
{
    explicit TCounted(const char* name, int& deleted) : m_Name(name), m_Deleted(deleted) {}
    ~TCounted() { ++m_Deleted; }
    CNameString m_Name;
    int& m_Deleted;
};

class CCountedTable : public CArrayElements<TCounted, CNameString>
{
public:
    explicit CCountedTable(int& deleted) : m_Deleted(deleted) {}
    void setParameters(const C1DArray<CValue>&) override {}
    void getResult(CValue&) override {}
    CBuffString getText() override { return CBuffString(); }
    void fill() override {}
    bool find(const CNameString& key, int& index) override
    {
        for (int i = 0; i < getCount(); ++i)
            if (getElement(i)->m_Name == key) {
                index = i;
                return true;
            }
        return false;
    }
    bool perform(const CNameString&) override { return false; }
    bool add(const char* name) { return addElement(std::make_unique<TCounted>(name, m_Deleted)); }

private:
    int& m_Deleted;
};

} // namespace

TEST(C1DContainerPtr, GrowsFromOneByDoubling)
{
    C1DContainerPtr<int> pointers;
    int values[5] = {};
    const int capacities[] = {1, 2, 4, 4, 8};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(pointers.add(&values[i]));
        EXPECT_EQ(pointers.getCapacity(), capacities[i]) << i;
    }
    EXPECT_EQ(pointers.get(4), &values[4]);
    EXPECT_EQ(pointers.get(5), nullptr);
    EXPECT_EQ(pointers.get(-1), nullptr);
    EXPECT_FALSE(pointers.set(5, nullptr));
    pointers.release();
    EXPECT_EQ(pointers.getCount(), 0);
    EXPECT_EQ(pointers.getCapacity(), 0);
}

TEST(C1DArray, ResizeReserveCopyAndIndex)
{
    C1DArray<CValue> values;
    for (double v : {1.0, 2.0, 3.0})
        values.add(v);
    EXPECT_EQ(values.getCapacity(), 4);
    EXPECT_FALSE(values.resize(-1));

    ASSERT_TRUE(values.resize(5));
    EXPECT_EQ(values.getCount(), 5);
    EXPECT_EQ(values.getCapacity(), 5);
    EXPECT_EQ(values.get(2).getValue(), 3.0);
    EXPECT_EQ(values.get(4).getValue(), 0.0) << "new values hold their default";

    ASSERT_TRUE(values.resize(2));
    EXPECT_EQ(values.getCapacity(), 2);
    EXPECT_EQ(values.get(1).getValue(), 2.0);

    values.reserve(1);
    EXPECT_EQ(values.getCapacity(), 2) << "reserve never shrinks";

    C1DArray<CValue> copy;
    copy = values;
    EXPECT_EQ(copy.getCount(), 2);
    EXPECT_EQ(copy.get(0).getValue(), 1.0);

    try {
        values.get(2);
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Wrong value of an index for an element of the array.");
    }
    EXPECT_THROW(values.get(-1), std::exception);

    ASSERT_TRUE(values.resize(0));
    EXPECT_EQ(values.getCapacity(), 0);
    values.add(7.0);
    EXPECT_EQ(values.getCapacity(), 1) << "growth starts again from one";
}

TEST(ArrayElements, OwnsAndFindsItsElements)
{
    int deleted = 0;
    {
        CCountedTable table(deleted);
        table.deleteAll();
        EXPECT_EQ(table.getCount(), 0) << "deleting an empty table leaves it usable";
        table.add("x");
        table.add("y");
        table.add("x");
        int index = -1;
        ASSERT_TRUE(table.find("x", index));
        EXPECT_EQ(index, 0) << "an element added earlier hides a later one";
        EXPECT_FALSE(table.find("X", index));
        table.deleteAll();
        EXPECT_EQ(deleted, 3);
        EXPECT_EQ(table.getCount(), 0);
        table.add("z");
        EXPECT_EQ(table.getCount(), 1);
    }
    EXPECT_EQ(deleted, 4) << "the table deletes what is left when it goes";
}
