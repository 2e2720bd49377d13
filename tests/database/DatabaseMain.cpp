#include <gtest/gtest.h>

#include <mysql.h>

#include <iostream>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The client library keeps process-wide state; setting it up once here
    // and releasing it after the last test leaves nothing behind for the
    // leak checker.
    if (mysql_library_init(0, nullptr, nullptr) != 0) {
        std::cerr << "cannot initialise the MariaDB client library\n";
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    mysql_library_end();
    return result;
}
