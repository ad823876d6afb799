<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Wersja x.x.x&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Version x.x.x&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ostrzeżenie: niniejszy program komputerowy oraz jego części są chronione prawem autorskim i innymi przepisami o ochronie własności intelektualnej. Nieuprawnione kopiowanie, powielanie lub rozpowszechnianie tego programu lub jakiejkolwiek jego części może skutkować odpowiedzialnością cywilną lub karną.</source>
        <translation>Warning: this computer program and its parts are protected by copyright law and other intellectual property regulations. Unauthorized copying, reproduction or distribution of this program or any part of it may result in civil or criminal liability.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://www.luminorix.example/&quot;&gt;&lt;img src=&quot;:/images/images/maker_logo.png&quot; border=&quot;0&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://www.luminorix.example/&quot;&gt;&lt;img src=&quot;:/images/images/maker_logo.png&quot; border=&quot;0&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Wszelkie prawa zastrzeżone.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Luminorix Professional jest znakiem towarowym swojego producenta.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Luminorix Professional is a trademark of its manufacturer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>AddUpsPrompt</name>
    <message>
        <source>Brak zasilaczy UPS</source>
        <translation>No UPS devices</translation>
    </message>
    <message>
        <source>Aktualnie Luminorix nie monitoruje żadnego urządzenia.

Dodaj posiadany model UPS do Luminorix, aby umożliwić jego monitorowanie.
Luminorix, po wcześniejszej konfiguracji zdarzeń, będzie mógł dokonać
bezpiecznego zamknięcia systemu na wypadek utraty zasilania.

Czy chcesz dodać nowy UPS teraz?
</source>
        <translation>Luminorix is not monitoring any device at the moment.

Add your UPS model to Luminorix to have it monitored.
Once its events are configured, Luminorix will be able to
shut the system down safely when the power fails.

Do you want to add a new UPS now?
</translation>
    </message>
    <message>
        <source>Nie pokazuj ponownie tego komunikatu</source>
        <translation>Do not show this message again</translation>
    </message>
</context>
<context>
    <name>AddUpsWindow</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Konfiguracja podstawowa</source>
        <translation>Basic configuration</translation>
    </message>
    <message>
        <source>Model UPS</source>
        <translation>UPS model</translation>
    </message>
    <message>
        <source>Interfejs komunikacyjny</source>
        <translation>Communication interface</translation>
    </message>
    <message>
        <source>Port komunikacyjny</source>
        <translation>Communication port</translation>
    </message>
    <message>
        <source>Opcje SNMP</source>
        <translation>SNMP options</translation>
    </message>
    <message>
        <source>Nazwa UPS</source>
        <translation>UPS name</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Oprogramowanie wspiera monitorowanie tylko jednego urządzenia tej klasy</source>
        <translation>The software supports monitoring only one device of this class</translation>
    </message>
    <message>
        <source>Konfiguracja dla tego zasilacza zostanie przywrócona do domyślnych zdarzeń. Czy kontynuować?</source>
        <translation>The configuration of this UPS will be restored to the default events. Continue?</translation>
    </message>
</context>
<context>
    <name>AddVirtualUpsWindow</name>
    <message>
        <source>Zajęty; Brak komunikacji</source>
        <translation>Taken; No communication</translation>
    </message>
    <message>
        <source>Zajęty</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Dostępny</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Dostępny; Brak komunikacji</source>
        <translation>Available; No communication</translation>
    </message>
    <message>
        <source>Brak urządzeń obsługujących pracę równoległą</source>
        <translation>No devices capable of parallel operation</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Wirtualny UPS</source>
        <translation>Virtual UPS</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej jednostki UPS.

Zaznacz jednostki, z których składa się wirtualny UPS, i spróbuj ponownie.</source>
        <translation>No UPS unit is ticked.

Tick the units the virtual UPS is made of and try again.</translation>
    </message>
</context>
<context>
    <name>AdvancedOptionsWindow</name>
    <message>
        <source>Definiowanie zdarzenia</source>
        <translation>Event definition</translation>
    </message>
    <message>
        <source>Nazwa zdarzenia</source>
        <translation>Event name</translation>
    </message>
    <message>
        <source>Warunki początkowe</source>
        <translation>Start conditions</translation>
    </message>
    <message>
        <source>Warunki końcowe</source>
        <translation>End conditions</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Zapisz jako nowy</source>
        <translation>Save as new</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błąd ładowania pliku</source>
        <translation>File loading error</translation>
    </message>
    <message>
        <source>Nie można odnaleźć pliku z parametrami </source>
        <translation>Cannot find the parameter file </translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku z parametrami </source>
        <translation>Cannot open the parameter file </translation>
    </message>
    <message>
        <source>Błąd odczytu pliku</source>
        <translation>File reading error</translation>
    </message>
    <message>
        <source>Plik </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> zawiera błędy</source>
        <translation> contains errors</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Pole &quot;Nazwa zdarzenia&quot; nie może być puste</source>
        <translation>The &quot;Event name&quot; field cannot be empty</translation>
    </message>
    <message>
        <source>Nazwa zdarzenia zawiera niedozwolone znaki</source>
        <translation>The event name contains characters that are not allowed</translation>
    </message>
    <message>
        <source>Należy wprowadzić wyrażenie.</source>
        <translation>Please enter an expression.</translation>
    </message>
    <message>
        <source>Wprowadzone wyrażenie jest nieprawidłowe.</source>
        <translation>The expression entered is not valid.</translation>
    </message>
    <message>
        <source>Wystąpił błąd podczas przetwarzania wyrażenia.</source>
        <translation>An error occurred while processing the expression.</translation>
    </message>
    <message>
        <source>Konfiguracja zawiera już zdarzenie </source>
        <translation>The configuration already contains the event </translation>
    </message>
</context>
<context>
    <name>ApplicationConfigurationWindow</name>
    <message>
        <source>Konfiguracja aplikacji</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Dodaj UPS</source>
        <translation>Add UPS</translation>
    </message>
    <message>
        <source>Dodaj wirtualny UPS</source>
        <translation>Add virtual UPS</translation>
    </message>
    <message>
        <source>Konfiguracja podstawowa</source>
        <translation>General settings</translation>
    </message>
    <message>
        <source>Lokalizacja logów</source>
        <translation>Log folder</translation>
    </message>
    <message>
        <source>Uruchom przy starcie systemu</source>
        <translation>Start with the system</translation>
    </message>
    <message>
        <source>Automatycznie sprawdzaj dostępność aktualizacji</source>
        <translation>Check for updates automatically</translation>
    </message>
    <message>
        <source>Konfiguracja SMTP</source>
        <translation>SMTP settings</translation>
    </message>
    <message>
        <source>Szyfrowanie połączenia</source>
        <translation>Connection encryption</translation>
    </message>
    <message>
        <source>Brak</source>
        <translation>None</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>Serwer SMTP</source>
        <translation>SMTP server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Zakres: 0-65535</source>
        <translation>Range: 0-65535</translation>
    </message>
    <message>
        <source>Adres e-mail</source>
        <translation>E-mail address</translation>
    </message>
    <message>
        <source>Limit czasu operacji</source>
        <translation>Operation timeout</translation>
    </message>
    <message>
        <source>Zakres: 10-120 [s]</source>
        <translation>Range: 10-120 [s]</translation>
    </message>
    <message>
        <source>Serwer SMTP wymaga uwierzytelnienia</source>
        <translation>The SMTP server requires authentication</translation>
    </message>
    <message>
        <source>Nazwa użytkownika</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>hasło</source>
        <translation>password</translation>
    </message>
    <message>
        <source>Testuj ustawienia SMTP</source>
        <translation>Test SMTP settings</translation>
    </message>
    <message>
        <source>Wybierz katalog</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Nowy UPS</source>
        <translation>New UPS</translation>
    </message>
    <message>
        <source>Wirtualny UPS</source>
        <translation>Virtual UPS</translation>
    </message>
</context>
<context>
    <name>ComputerConfigurationWindow</name>
    <message>
        <source>Konfiguracja komputera</source>
        <translation>Computer configuration</translation>
    </message>
    <message>
        <source>Nazwa komputera</source>
        <translation>Computer name</translation>
    </message>
    <message>
        <source>Adres komputera</source>
        <translation>Computer address</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Błędny adres komputera</source>
        <translation>Invalid computer address</translation>
    </message>
    <message>
        <source>Istnieje już komputer o podanym adresie</source>
        <translation>A computer with this address already exists</translation>
    </message>
    <message>
        <source>Nieprawidłowe hasło</source>
        <translation>Invalid password</translation>
    </message>
    <message>
        <source>Podane hasło Administratora jest nieprawidłowe</source>
        <translation>The Administrator password given is invalid</translation>
    </message>
    <message>
        <source>Błędna nazwa komputera</source>
        <translation>Invalid computer name</translation>
    </message>
    <message>
        <source>Nazwa komputera nie może być pusta.

Wprowadź nazwę komputera i spróbuj ponownie.</source>
        <translation>The computer name cannot be empty.

Enter the computer name and try again.</translation>
    </message>
    <message>
        <source>Adres komputera nie może być pusty.

Wprowadź adres komputera i spróbuj ponownie.</source>
        <translation>The computer address cannot be empty.

Enter the computer address and try again.</translation>
    </message>
</context>
<context>
    <name>ConnectWithServiceWindow</name>
    <message>
        <source>Łączenie</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Połącz z usługą</source>
        <translation>Connect to the service</translation>
    </message>
    <message>
        <source>Adres IP</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Należy podać adres IP lub nazwę domenową komputera</source>
        <translation>Enter the IP address or the domain name of the computer</translation>
    </message>
</context>
<context>
    <name>DebugWarningWidget</name>
    <message>
        <source>TRYB DEBUGOWANIA</source>
        <translation>DEBUG MODE</translation>
    </message>
</context>
<context>
    <name>DiscoverWindow</name>
    <message>
        <source>Odkrywanie</source>
        <translation>Discovery</translation>
    </message>
    <message>
        <source>Komputery zarządzane przez Luminorix</source>
        <translation>Computers managed by Luminorix</translation>
    </message>
    <message>
        <source>Komputery niezarządzane</source>
        <translation>Unmanaged computers</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
</context>
<context>
    <name>ExtendInformationWindow</name>
    <message>
        <source>Informacje rozszerzone</source>
        <translation>Extended information</translation>
    </message>
</context>
<context>
    <name>GroupConfigurationWindow</name>
    <message>
        <source>Konfiguracja grupy</source>
        <translation>Group configuration</translation>
    </message>
    <message>
        <source>Nazwa grupy</source>
        <translation>Group name</translation>
    </message>
    <message>
        <source>Komputery w grupie</source>
        <translation>Computers in the group</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Dostępne komputery</source>
        <translation>Available computers</translation>
    </message>
    <message>
        <source>Błędna nazwa grupy</source>
        <translation>Invalid group name</translation>
    </message>
    <message>
        <source>Nazwa grupy zawiera niedozwolone znaki</source>
        <translation>The group name contains characters that are not allowed</translation>
    </message>
    <message>
        <source>Istnieje już grupa o podanej nazwie</source>
        <translation>A group with this name already exists</translation>
    </message>
</context>
<context>
    <name>LXStatusWidget</name>
    <message>
        <source>Trwa łączenie z usługą:</source>
        <translation>Connecting to the service:</translation>
    </message>
    <message>
        <source>Połączono z usługą:</source>
        <translation>Connected to the service:</translation>
    </message>
    <message>
        <source>Niezgodna wersja usługi</source>
        <translation>Incompatible service version</translation>
    </message>
    <message>
        <source>Błąd połączenia z usługą:</source>
        <translation>Service connection error:</translation>
    </message>
    <message>
        <source>Komunikacja z agregatem
nieznana</source>
        <translation>Generator set communication
unknown</translation>
    </message>
    <message>
        <source>Komunikacja z UPS nieznana</source>
        <translation>UPS communication unknown</translation>
    </message>
    <message>
        <source>Brak komunikacji z agregatem</source>
        <translation>No communication with the generator set</translation>
    </message>
    <message>
        <source>Brak komunikacji z UPS</source>
        <translation>No communication with the UPS</translation>
    </message>
    <message>
        <source>Połączono z agregatem</source>
        <translation>Connected to the generator set</translation>
    </message>
    <message>
        <source>Połączono z UPS</source>
        <translation>Connected to the UPS</translation>
    </message>
    <message>
        <source>Wyłączenie za</source>
        <translation>Shutdown in</translation>
    </message>
</context>
<context>
    <name>LineEditWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Dane niedostępne w wybranym modelu</source>
        <translation>Data not available for the selected model</translation>
    </message>
    <message>
        <source>Dane niedostępne przy użyciu wybranego interfejsu komunikacyjnego</source>
        <translation>Data not available over the selected communication interface</translation>
    </message>
    <message>
        <source>N/D</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>LoggingConfigurationWindow</name>
    <message>
        <source>Konfiguracja logów</source>
        <translation>Log settings</translation>
    </message>
    <message>
        <source>Dane</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Przegląd danych</source>
        <translation>Data review</translation>
    </message>
    <message>
        <source>Komunikaty</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Przegląd komunikatów</source>
        <translation>Message review</translation>
    </message>
    <message>
        <source>Kompensacja mocy</source>
        <translation>Power compensation</translation>
    </message>
    <message>
        <source>Przegląd kompensacji</source>
        <translation>Compensation review</translation>
    </message>
    <message>
        <source>Maksymalna wielkość pliku (1 kB-100000 kB)</source>
        <translation>Largest file size (1 kB-100000 kB)</translation>
    </message>
    <message>
        <source>Interwał logowania (1 s-3600 s)</source>
        <translation>Logging interval (1 s-3600 s)</translation>
    </message>
</context>
<context>
    <name>LogiInWindow</name>
    <message>
        <source>Zaloguj jako administrator</source>
        <translation>Log in as administrator</translation>
    </message>
    <message>
        <source>Zaloguj</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Domyślne hasło: 
&quot;Quillmarberon&quot;</source>
        <translation>Default password: 
&quot;Quillmarberon&quot;</translation>
    </message>
</context>
<context>
    <name>Luminorix::NewConfiguration</name>
    <message>
        <source>Praca w trybie sieciowym</source>
        <translation>State normal</translation>
    </message>
    <message>
        <source>Praca w trybie podtrzymania z baterii</source>
        <translation>Operating in battery sustaining mode</translation>
    </message>
    <message>
        <source>Niski poziom energii baterii</source>
        <translation>Battery level low</translation>
    </message>
    <message>
        <source>Zwarcie</source>
        <translation>Short-circuit</translation>
    </message>
    <message>
        <source>Przeciążenie</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>Praca w trybie hybrydowym</source>
        <translation>Work in hybrid mode</translation>
    </message>
    <message>
        <source>Praca w trybie awaryjnym</source>
        <translation>Praca w trybie awaryjnym</translation>
    </message>
    <message>
        <source>Tryb pracy stop</source>
        <translation>Tryb pracy stop</translation>
    </message>
    <message>
        <source>Praca w trybie oczekiwania</source>
        <translation>Praca w trybie oczekiwania</translation>
    </message>
    <message>
        <source>Praca w trybie czuwania</source>
        <translation>Praca w trybie czuwania</translation>
    </message>
    <message>
        <source>Aktywny AVR</source>
        <translation>Aktywny AVR</translation>
    </message>
    <message>
        <source>Brak komunikacji</source>
        <translation>Brak komunikacji</translation>
    </message>
    <message>
        <source>Tryb błędu</source>
        <translation>Tryb błędu</translation>
    </message>
    <message>
        <source>błąd dostępu do pliku</source>
        <translation>file access error</translation>
    </message>
    <message>
        <source>błąd formatu pliku</source>
        <translation>file format error</translation>
    </message>
</context>
<context>
    <name>Luminorix::Runner</name>
    <message>
        <source>Plik %1 jest właśnie zapisywany przez inny program (blokada %2) i nie zostanie przekonwertowany.</source>
        <translation>The file %1 is being written by another program (lock %2) and will not be converted.</translation>
    </message>
    <message>
        <source>Plik %1 pochodzi z nowszej wersji programu (%2) i nie zostanie przekonwertowany.</source>
        <translation>The file %1 comes from a newer version of the program (%2) and will not be converted.</translation>
    </message>
    <message>
        <source>Plik %1 ma nieznaną wersję &quot;%2&quot; i nie zostanie przekonwertowany.</source>
        <translation>The file %1 has an unknown version &quot;%2&quot; and will not be converted.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku tymczasowego %1: %2</source>
        <translation>Cannot write the temporary file %1: %2</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku tymczasowego %1: %2</source>
        <translation>Cannot read the temporary file %1: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii %1: %2</source>
        <translation>Cannot write the backup copy %1: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>zapisany plik różni się od zamierzonego</source>
        <translation>the file written differs from the one meant</translation>
    </message>
    <message>
        <source>Nie można utworzyć katalogu tymczasowego %1: %2</source>
        <translation>Cannot create the temporary folder %1: %2</translation>
    </message>
</context>
<context>
    <name>LuminorixWindow</name>
    <message>
        <source>Monitorowane UPSy</source>
        <translation>Monitored UPS devices</translation>
    </message>
    <message>
        <source>QLineEdit {
  color: #59595B;
  font-weight: bold;
}</source>
        <translation>QLineEdit {
  color: #59595B;
  font-weight: bold;
}</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Znamionowa moc czynna</source>
        <translation>Rated active power</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Znamionowa moc pozorna</source>
        <translation>Rated apparent power</translation>
    </message>
    <message>
        <source>Model UPS</source>
        <translation>UPS model</translation>
    </message>
    <message>
        <source>Tryb pracy UPS</source>
        <translation>UPS work mode</translation>
    </message>
    <message>
        <source>Obciążenie L1</source>
        <translation>Load L1</translation>
    </message>
    <message>
        <source>Obciążenie L2</source>
        <translation>Load L2</translation>
    </message>
    <message>
        <source>Obciążenie L3</source>
        <translation>Load L3</translation>
    </message>
    <message>
        <source>Stan naładowania akumulatora</source>
        <translation>Battery charge level</translation>
    </message>
    <message>
        <source>Czas autonomii</source>
        <translation>Backup runtime</translation>
    </message>
    <message>
        <source>Temperatura wewnętrzna UPS</source>
        <translation>UPS internal temperature</translation>
    </message>
    <message>
        <source>Nazwa i lokalizacja</source>
        <translation>Name and location</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Komunikaty i alarmy</source>
        <translation>Messages and alarms</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Informacje rozszerzone</source>
        <translation>Extended information</translation>
    </message>
    <message>
        <source>Konfiguracja UPS</source>
        <translation>UPS configuration</translation>
    </message>
    <message>
        <source>Konfiguracja aplikacji</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>Konfiguracja zdarzeń</source>
        <translation>Event configuration</translation>
    </message>
    <message>
        <source>Konfiguracja logów</source>
        <translation>Log settings</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.luminorix.example/&quot;&gt;&lt;img src=&quot;:/images/images/maker_logo_s.png&quot; style=&quot;border-style: none; &quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.luminorix.example/&quot;&gt;&lt;img src=&quot;:/images/images/maker_logo_s.png&quot; style=&quot;border-style: none; &quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Plik</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Informacje</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Konfiguracja</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Za&amp;kończ</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Infor&amp;macje rozszerzone</source>
        <translation>&amp;Extended information</translation>
    </message>
    <message>
        <source>Konfiguracja &amp;UPS</source>
        <translation>&amp;UPS configuration</translation>
    </message>
    <message>
        <source>Konfiguracja &amp;aplikacji</source>
        <translation>&amp;Application settings</translation>
    </message>
    <message>
        <source>Konfiguracja &amp;zdarzeń</source>
        <translation>&amp;Event configuration</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Zaloguj jako administrator</source>
        <translation>&amp;Log in as administrator</translation>
    </message>
    <message>
        <source>Zmień &amp;hasło administratora</source>
        <translation>Change administrator &amp;password</translation>
    </message>
    <message>
        <source>Połącz z &amp;usługą</source>
        <translation>Connect to the &amp;service</translation>
    </message>
    <message>
        <source>&amp;Wyloguj</source>
        <translation>Log &amp;out</translation>
    </message>
    <message>
        <source>Konfiguracja l&amp;ogów</source>
        <translation>L&amp;og settings</translation>
    </message>
    <message>
        <source>&amp;Sprawdź dostępność aktualizacji</source>
        <translation>&amp;Check for updates</translation>
    </message>
    <message>
        <source>Po&amp;moc online</source>
        <translation>Online &amp;help</translation>
    </message>
    <message>
        <source>&amp;Centrum wirtualizacji</source>
        <translation>&amp;Virtualization centre</translation>
    </message>
    <message>
        <source>Centrum wirtualizacji</source>
        <translation>Virtualization centre</translation>
    </message>
    <message>
        <source>N/D</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Obciążenie</source>
        <translation>Load</translation>
    </message>
    <message>
        <source> [TRYB DEBUGOWANIA]</source>
        <translation> [DEBUG MODE]</translation>
    </message>
    <message>
        <source>Komunikat</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Dalsze komunikaty usługi, których nie pokazano: %1</source>
        <translation>Further service messages not shown: %1</translation>
    </message>
    <message>
        <source>Błąd połączenia</source>
        <translation>Connection error</translation>
    </message>
    <message>
        <source>Nie można połączyć się z witryną %1</source>
        <translation>Cannot connect to the website %1</translation>
    </message>
    <message>
        <source>&lt;FONT COLOR=grey&gt;Brak&lt;/FONT&gt;</source>
        <translation>&lt;FONT COLOR=grey&gt;None&lt;/FONT&gt;</translation>
    </message>
    <message>
        <source>Typ urządzenia</source>
        <translation>Device type</translation>
    </message>
    <message>
        <source>Model sterownika</source>
        <translation>Controller model</translation>
    </message>
    <message>
        <source>Numer seryjny sterownika</source>
        <translation>Controller serial number</translation>
    </message>
    <message>
        <source>Tryb pracy agregatu</source>
        <translation>Generator set work mode</translation>
    </message>
    <message>
        <source>Poziom paliwa</source>
        <translation>Fuel level</translation>
    </message>
    <message>
        <source>Całkowite zużycie paliwa</source>
        <translation>Total fuel consumption</translation>
    </message>
    <message>
        <source>Całkowity czas pracy</source>
        <translation>Total running time</translation>
    </message>
    <message>
        <source>Konfiguracja agregatu</source>
        <translation>Generator set configuration</translation>
    </message>
    <message>
        <source>Agregat</source>
        <translation>Generator set</translation>
    </message>
    <message>
        <source>&lt;NIEZNANY&gt;</source>
        <translation>&lt;UNKNOWN&gt;</translation>
    </message>
    <message>
        <source>Usuwanie UPS</source>
        <translation>Removing a UPS</translation>
    </message>
    <message>
        <source>Potwierdź usunięcie urządzenia</source>
        <translation>Confirm removing the device</translation>
    </message>
    <message>
        <source>Aktualizacja</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Brak dostępnych aktualizacji</source>
        <translation>No updates available</translation>
    </message>
    <message>
        <source>Aktualizacja oprogramowania</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>Dostępna jest nowa wersja Luminorix!</source>
        <translation>A new version of Luminorix is available!</translation>
    </message>
    <message>
        <source> Czy chcesz pobrać Luminorix </source>
        <translation> Do you want to download Luminorix </translation>
    </message>
    <message>
        <source>Nowy UPS</source>
        <translation>New UPS</translation>
    </message>
    <message>
        <source>Edycja UPS</source>
        <translation>Edit UPS</translation>
    </message>
    <message>
        <source>Edycja wirtualny UPS</source>
        <translation>Edit virtual UPS</translation>
    </message>
</context>
<context>
    <name>NetworkConfigurationWindow</name>
    <message>
        <source>Konfiguracja zdarzeń</source>
        <translation>Event configuration</translation>
    </message>
    <message>
        <source>Konfiguracja elementów sieciowych</source>
        <translation>Network elements configuration</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Nazwa&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Name&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Dodaj komputer</source>
        <translation>Add computer</translation>
    </message>
    <message>
        <source>Odkrywanie</source>
        <translation>Discovery</translation>
    </message>
    <message>
        <source>Usuń komputer z systemu</source>
        <translation>Remove computer from the system</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Adres&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Address&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Dodaj grupę</source>
        <translation>Add group</translation>
    </message>
    <message>
        <source>Edytuj grupę</source>
        <translation>Edit group</translation>
    </message>
    <message>
        <source>Usuń grupę</source>
        <translation>Remove group</translation>
    </message>
    <message>
        <source>Zmień hasło Administratora</source>
        <translation>Change Administrator password</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Zdarzenie&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600; color:#59595b;&quot;&gt;Event&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zaawansowane</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Wyświetl komunikat</source>
        <translation>Show message</translation>
    </message>
    <message>
        <source>Polecenie systemowe</source>
        <translation>System command</translation>
    </message>
    <message>
        <source>Konfiguruj</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>Wyślij email</source>
        <translation>Send e-mail</translation>
    </message>
    <message>
        <source>Zamknij system / wykonaj akcje Centrum Wirtualizacji</source>
        <translation>Shut down the system / run Virtualization Centre actions</translation>
    </message>
    <message>
        <source>Wyjście sterowalne</source>
        <translation>Controllable output</translation>
    </message>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Praca w trybie sieciowym</source>
        <translation>Mains operation</translation>
    </message>
    <message>
        <source>Praca w trybie podtrzymania z baterii</source>
        <translation>Battery backup operation</translation>
    </message>
    <message>
        <source>Niski poziom energii baterii</source>
        <translation>Low battery level</translation>
    </message>
    <message>
        <source>Zwarcie</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Przeciążenie</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>Aktywny AVR</source>
        <translation>AVR active</translation>
    </message>
    <message>
        <source>Tryb błędu</source>
        <translation>Fault mode</translation>
    </message>
    <message>
        <source>Błąd odczytu</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Nie odczytano pliku konfiguracyjnego</source>
        <translation>The configuration file was not read</translation>
    </message>
    <message>
        <source>Hasło dla elementu sieciowego zostało zmienione.</source>
        <translation>The password of a network element has been changed.</translation>
    </message>
    <message>
        <source>Konieczne jest zachowanie konfiguracji. Czy zachować? </source>
        <translation>The configuration must be saved. Save it? </translation>
    </message>
    <message>
        <source>Uwaga!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Czy na pewno usunąć komputer? 
Spowoduje to usunięcie komputera ze wszystkich grup.</source>
        <translation>Do you really want to remove the computer? 
This removes the computer from all groups.</translation>
    </message>
    <message>
        <source>Wybierz komputer z listy dostępnych komputerów</source>
        <translation>Choose a computer from the list of available computers</translation>
    </message>
    <message>
        <source>Grupa</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Wybierz grupę do której chcesz dodać komputer </source>
        <translation>Choose the group to add the computer to </translation>
    </message>
    <message>
        <source>Wybrana grupa zawiera już ten komputer</source>
        <translation>The chosen group already contains this computer</translation>
    </message>
    <message>
        <source>Wybierz grupę do której chcesz dodać zdarzenie</source>
        <translation>Choose the group to add the event to</translation>
    </message>
    <message>
        <source>Wybierz zdarzenie</source>
        <translation>Choose an event</translation>
    </message>
    <message>
        <source>Konfiguracja zawiera już zdarzenie </source>
        <translation>The configuration already contains the event </translation>
    </message>
    <message>
        <source>Wybierz przycisk &quot;Konfiguruj&quot;.</source>
        <translation>Press the &quot;Configure&quot; button.</translation>
    </message>
    <message>
        <source>Nie zostały ustawione parametry zamknięcia systemu.</source>
        <translation>The system shutdown parameters have not been set.</translation>
    </message>
    <message>
        <source>Nie zostały ustawione parametry polecenia systemowego.</source>
        <translation>The system command parameters have not been set.</translation>
    </message>
    <message>
        <source>Nie zostały ustawione parametry dla wysyłania email.</source>
        <translation>The e-mail parameters have not been set.</translation>
    </message>
    <message>
        <source>Nie zostały ustawione parametry gniazda sterowalnego.</source>
        <translation>The controllable output parameters have not been set.</translation>
    </message>
    <message>
        <source>Nieprawidłowa konfiguracja.</source>
        <translation>Invalid configuration.</translation>
    </message>
    <message>
        <source>Opóźnienie wykonania polecenia systemowego jest większe od opóźnienia zamknięcia systemu.</source>
        <translation>The system command delay is greater than the system shutdown delay.</translation>
    </message>
    <message>
        <source>Polecenie systemowe nie zostanie wykonane.</source>
        <translation>The system command will not be executed.</translation>
    </message>
    <message>
        <source>Opóźnienie włączenia/wyłączenia gniazda sterowalnego jest większe od opóźnienia zamknięcia systemu.</source>
        <translation>The controllable output switching delay is greater than the system shutdown delay.</translation>
    </message>
    <message>
        <source>Polecenie dla gniazda sterowalnego nie zostanie wykonane.</source>
        <translation>The controllable output command will not be executed.</translation>
    </message>
    <message>
        <source>Zdarzenie </source>
        <translation>Event </translation>
    </message>
    <message>
        <source>Konfiguracja jest zbyt duża, aby ją zapisać.</source>
        <translation>The configuration is too large to be saved.</translation>
    </message>
    <message>
        <source>Usuń część zdarzeń lub skróć ich teksty.</source>
        <translation>Remove some events or shorten their texts.</translation>
    </message>
    <message>
        <source>Zdarzenie nie ma definicji.</source>
        <translation>The event has no definition.</translation>
    </message>
    <message>
        <source>Wybierz przycisk &quot;Zaawansowane&quot;.</source>
        <translation>Press the &quot;Advanced&quot; button.</translation>
    </message>
</context>
<context>
    <name>OldConfiguration</name>
    <message>
        <source>Nie można odczytać pliku %1: %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony (wiersz %2) i nie zostanie przekonwertowany.</source>
        <translation>The file %1 is damaged (line %2) and will not be converted.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony i nie zostanie przekonwertowany.</source>
        <translation>The file %1 is damaged and will not be converted.</translation>
    </message>
    <message>
        <source>Plik %1 zawiera klucz &quot;%2&quot;, którego nie można odczytać, i nie zostanie przekonwertowany.</source>
        <translation>The file %1 holds the key &quot;%2&quot;, which cannot be read back, and will not be converted.</translation>
    </message>
    <message>
        <source>Ostrzeżenie: nie można odszyfrować hasła SMTP; hasło przeniesiono bez zmian.</source>
        <translation>Warning: the SMTP password cannot be deciphered; it was carried over unchanged.</translation>
    </message>
    <message>
        <source>Ostrzeżenie: nie można odszyfrować hasła komputera %1 (Computer.%2); hasło przeniesiono bez zmian.</source>
        <translation>Warning: the password of computer %1 (Computer.%2) cannot be deciphered; it was carried over unchanged.</translation>
    </message>
    <message>
        <source>Plik %1 zawiera uszkodzoną wartość %2: &quot;%3&quot;; plik nie zostanie przekonwertowany.</source>
        <translation>The file %1 holds a damaged value %2: &quot;%3&quot;; the file will not be converted.</translation>
    </message>
</context>
<context>
    <name>OutputSocketWindow</name>
    <message>
        <source>Wyjście sterowalne</source>
        <translation>Controllable output</translation>
    </message>
    <message>
        <source>Gniazdo sterowalne</source>
        <translation>Controllable output</translation>
    </message>
    <message>
        <source>Sekcja nr 1</source>
        <translation>Section 1</translation>
    </message>
    <message>
        <source>Włącz</source>
        <translation>Switch on</translation>
    </message>
    <message>
        <source>Wyłącz</source>
        <translation>Switch off</translation>
    </message>
    <message>
        <source>Czas, po którym polecenie zostanie wykonane</source>
        <translation>Time after which the command is executed</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sekcja nr 2</source>
        <translation>Section 2</translation>
    </message>
</context>
<context>
    <name>PanelTray</name>
    <message>
        <source>&amp;Ukryj</source>
        <translation>&amp;Hide</translation>
    </message>
    <message>
        <source>&amp;Zakończ</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Pokaż</source>
        <translation>&amp;Show</translation>
    </message>
</context>
<context>
    <name>PasswordChangeWindow</name>
    <message>
        <source>Zmień hasło administratora</source>
        <translation>Change administrator password</translation>
    </message>
    <message>
        <source>Zmiana hasła</source>
        <translation>Password change</translation>
    </message>
    <message>
        <source>Stare hasło</source>
        <translation>Old password</translation>
    </message>
    <message>
        <source>Nowe hasło</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Powtórz nowe hasło</source>
        <translation>Repeat new password</translation>
    </message>
    <message>
        <source>Zmień hasło dla </source>
        <translation>Change password for </translation>
    </message>
</context>
<context>
    <name>PowerOffVCenterActionsWindow</name>
    <message>
        <source>Zamknij system / Wykonaj akcje Centrum Wirtualizacji</source>
        <translation>Shut down the system / Run Virtualization Centre actions</translation>
    </message>
    <message>
        <source>Wykonaj akcje Centrum Wirtualizacji</source>
        <translation>Run Virtualization Centre actions</translation>
    </message>
    <message>
        <source>Wybrano akcję wyłączającą maszynę MANAGER</source>
        <translation>An action that powers off the MANAGER machine is selected</translation>
    </message>
    <message>
        <source>Luminorix pracuje na maszynie wirtualnej, pełniącej funkcję MANAGER
Jedna z wybranych akcji ma zaplanowane wyłączenie tego systemu</source>
        <translation>Luminorix runs on the virtual machine that acts as MANAGER
One of the selected actions is set to power off this system</translation>
    </message>
    <message>
        <source>Zamknij System</source>
        <translation>Shut Down the System</translation>
    </message>
    <message>
        <source>Standardowe zamknięcie systemu</source>
        <translation>Standard system shutdown</translation>
    </message>
    <message>
        <source>Wymuszone zamknięcie systemu</source>
        <translation>Forced system shutdown</translation>
    </message>
    <message>
        <source>Hibernacja</source>
        <translation>Hibernation</translation>
    </message>
    <message>
        <source>Restart systemu</source>
        <translation>System restart</translation>
    </message>
    <message>
        <source>Nic nie rób</source>
        <translation>Do nothing</translation>
    </message>
    <message>
        <source>Po zamknięciu systemu wyłącz zasilacz UPS</source>
        <translation>Switch the UPS off after the system shutdown</translation>
    </message>
    <message>
        <source>Opóźnienie</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Czas, po którym polecenie zostanie wykonane</source>
        <translation>Time after which the command is executed</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Funkcjonalność niedostępna w UPS (więcej informacji)</source>
        <translation>Function not available in the UPS (more information)</translation>
    </message>
    <message>
        <source>Wybrany model UPS nie obsługuje funkcji wyłączenia UPS</source>
        <translation>The selected UPS model does not support switching the UPS off</translation>
    </message>
    <message>
        <source>Opcja kontrolowana z poziomu Centrum Wirtualizacji (więcej informacji)</source>
        <translation>Option controlled from the Virtualization Centre (more information)</translation>
    </message>
    <message>
        <source>Luminorix pracuje na maszynie wirtualnej w trybie MANAGER
Wyłączenie UPS kontrolowane jest z poziomu ustawień Centrum Wirtualizacji</source>
        <translation>Luminorix runs on a virtual machine in MANAGER mode
Switching the UPS off is controlled from the Virtualization Centre settings</translation>
    </message>
    <message>
        <source>Funkcjonalność niedostępna dla tej konfiguracji (więcej informacji)</source>
        <translation>Function not available for this configuration (more information)</translation>
    </message>
    <message>
        <source>Aktualna konfiguracja zdarzeń nie zezwala na wyłączenie UPS.
Wyłączenie UPS możliwe jest tylko wtedy, gdy dana grupa zawiera komputer lokalny</source>
        <translation>The current event configuration does not allow switching the UPS off.
The UPS can be switched off only when the group contains the local computer</translation>
    </message>
    <message>
        <source>Zamykanie systemu niedostępne dla komputera lokalnego (więcej informacji)</source>
        <translation>System shutdown not available for the local computer (more information)</translation>
    </message>
    <message>
        <source>Luminorix pracuje na maszynie wirtualnej w trybie MANAGER
&gt; Opcja zamykania systemu dla tej maszyny będzie ignorowana - maszyna
   zamykana jest automatycznie z całym hostem z poziomu akcji Centrum Wirtualizacji
&gt; Opcja zamykania systemu będzie stosowana wyłącznie dla maszyn zdalnych,
   na których uruchomiono Luminorix Netclient i znajdujących się w tej grupie</source>
        <translation>Luminorix runs on a virtual machine in MANAGER mode
&gt; The system shutdown option is ignored for this machine - the machine
   is shut down automatically with its whole host by a Virtualization Centre action
&gt; The system shutdown option applies only to remote machines
   that run Luminorix Netclient and belong to this group</translation>
    </message>
</context>
<context>
    <name>ProgressBarWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Dane niedostępne w wybranym modelu</source>
        <translation>Data not available for the selected model</translation>
    </message>
    <message>
        <source>N/D</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wirtualny UPS</source>
        <translation>Virtual UPS</translation>
    </message>
    <message>
        <source>Agregat Ibis</source>
        <translation>Ibis generator set</translation>
    </message>
    <message>
        <source>Nieznany</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Rezerwowy</source>
        <translation>On battery</translation>
    </message>
    <message>
        <source>Sieciowy</source>
        <translation>On line power</translation>
    </message>
    <message>
        <source>Niski stan baterii</source>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>AVR</source>
        <translation>AVR</translation>
    </message>
    <message>
        <source>Przeciążenie</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>Zwarcie</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Oczekiwanie</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Czuwanie</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>ECO</source>
        <translation>ECO</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>Bypass</translation>
    </message>
    <message>
        <source>Awaryjny</source>
        <translation>Emergency</translation>
    </message>
    <message>
        <source>Inicjalizacja</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Hybrydowy</source>
        <translation>Hybrid</translation>
    </message>
    <message>
        <source>Brak komunikacji</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Testowanie baterii</source>
        <translation>Battery test</translation>
    </message>
    <message>
        <source>Konwersja częstotliwości</source>
        <translation>Frequency conversion</translation>
    </message>
    <message>
        <source>Wyłączenie UPS</source>
        <translation>UPS shutdown</translation>
    </message>
    <message>
        <source>Tryb błędu</source>
        <translation>Fault mode</translation>
    </message>
    <message>
        <source>Włączony</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Wyłączony</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Autotest</source>
        <translation>Self-test</translation>
    </message>
    <message>
        <source>UPS wyłączony</source>
        <translation>UPS off</translation>
    </message>
    <message>
        <source>ECO/Bypass</source>
        <translation>ECO/Bypass</translation>
    </message>
    <message>
        <source>Załączony AVR podwyższający</source>
        <translation>AVR boost active</translation>
    </message>
    <message>
        <source>Zwarcie na wyjściu zasilacza</source>
        <translation>Short circuit on the UPS output</translation>
    </message>
    <message>
        <source>Przeciążenie zasilacza</source>
        <translation>UPS overload</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury</source>
        <translation>Overtemperature</translation>
    </message>
    <message>
        <source>Zużycie akumulatora</source>
        <translation>Battery worn out</translation>
    </message>
    <message>
        <source>Stan niskiej baterii</source>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>Wsteczne zasilanie gniazd wyjściowych</source>
        <translation>Backfeed on the output sockets</translation>
    </message>
    <message>
        <source>Status ładowania akumulatorów</source>
        <translation>Batteries charging</translation>
    </message>
    <message>
        <source>Status naładowania akumulatorów</source>
        <translation>Batteries charged</translation>
    </message>
    <message>
        <source>Ładowanie</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>Oczekiwanie na ładunek minimalny</source>
        <translation>Waiting for minimum battery charge</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia</source>
        <translation>Output overload</translation>
    </message>
    <message>
        <source>Błąd akumulatora</source>
        <translation>Battery fault</translation>
    </message>
    <message>
        <source>Aktywne EPO</source>
        <translation>EPO active</translation>
    </message>
    <message>
        <source>Błąd wewnętrzny</source>
        <translation>Internal fault</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury prostownika</source>
        <translation>Rectifier overtemperature</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury falownika</source>
        <translation>Inverter overtemperature</translation>
    </message>
    <message>
        <source>Brak komunikacji z prostownikiem</source>
        <translation>No communication with the rectifier</translation>
    </message>
    <message>
        <source>Brak komunikacji z falownikiem</source>
        <translation>No communication with the inverter</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii BYPASS</source>
        <translation>Incorrect phase sequence on the BYPASS line</translation>
    </message>
    <message>
        <source>Zasilanie linii BYPASS poza zakresem</source>
        <translation>BYPASS line supply out of range</translation>
    </message>
    <message>
        <source>Otwarty obwód baterii</source>
        <translation>Battery circuit open</translation>
    </message>
    <message>
        <source>Zasilanie linii podstawowej poza zakresem</source>
        <translation>Main line supply out of range</translation>
    </message>
    <message>
        <source>Błąd wewnętrzny prostownika</source>
        <translation>Rectifier internal fault</translation>
    </message>
    <message>
        <source>Błąd wewnętrzny falownika</source>
        <translation>Inverter internal fault</translation>
    </message>
    <message>
        <source>Praca normalna</source>
        <translation>Normal operation</translation>
    </message>
    <message>
        <source>Praca równoległa - MASTER</source>
        <translation>Parallel operation - MASTER</translation>
    </message>
    <message>
        <source>Praca równoległa - SLAVE</source>
        <translation>Parallel operation - SLAVE</translation>
    </message>
    <message>
        <source>Awaria wyświetlacza LCD</source>
        <translation>LCD display failure</translation>
    </message>
    <message>
        <source>Praca równoległa - jednostka zatrzymana</source>
        <translation>Parallel operation - unit stopped</translation>
    </message>
    <message>
        <source>Praca równoległa - brak redundancji</source>
        <translation>Parallel operation - no redundancy</translation>
    </message>
    <message>
        <source>Praca równoległa - jednostka nieaktywna</source>
        <translation>Parallel operation - unit inactive</translation>
    </message>
    <message>
        <source>Błąd pracy równoległej</source>
        <translation>Parallel operation fault</translation>
    </message>
    <message>
        <source>Praca równoległa - brak minimalnej ilości jednostek</source>
        <translation>Parallel operation - too few units</translation>
    </message>
    <message>
        <source>Wirtualny UPS - brak wymaganej liczby skonfigurowanych UPS w Luminorix</source>
        <translation>Virtual UPS - fewer UPS devices configured in Luminorix than required</translation>
    </message>
    <message>
        <source>Wirtualny UPS - nie skonfigurowano jednostki MASTER w Luminorix</source>
        <translation>Virtual UPS - no MASTER unit configured in Luminorix</translation>
    </message>
    <message>
        <source>Awaria zasilania na wejściu</source>
        <translation>Input power failure</translation>
    </message>
    <message>
        <source>Awaria UPS</source>
        <translation>UPS failure</translation>
    </message>
    <message>
        <source>Wykonywanie testu akumulatorów</source>
        <translation>Battery test in progress</translation>
    </message>
    <message>
        <source>Trwa wyłączanie UPS</source>
        <translation>UPS shutting down</translation>
    </message>
    <message>
        <source>Zamienione przewody L i N na wejściu UPS</source>
        <translation>L and N wires swapped at the UPS input</translation>
    </message>
    <message>
        <source>Błąd EPROM</source>
        <translation>EPROM error</translation>
    </message>
    <message>
        <source>Test OK</source>
        <translation>Test OK</translation>
    </message>
    <message>
        <source>Test - wynik negatywny</source>
        <translation>Test - failed</translation>
    </message>
    <message>
        <source>Test baterii nie jest możliwy</source>
        <translation>Battery test not possible</translation>
    </message>
    <message>
        <source>Test - wynik nieznany</source>
        <translation>Test - result unknown</translation>
    </message>
    <message>
        <source>Tryb pracy normalnej</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>Przeciążenie UPS 110%</source>
        <translation>UPS overload 110%</translation>
    </message>
    <message>
        <source>Przekroczony limit temperatury</source>
        <translation>Temperature limit exceeded</translation>
    </message>
    <message>
        <source>Przekroczony limit obciążenia</source>
        <translation>Load limit exceeded</translation>
    </message>
    <message>
        <source>Błąd wentylatora</source>
        <translation>Fan fault</translation>
    </message>
    <message>
        <source>Błąd magistrali DC</source>
        <translation>DC bus fault</translation>
    </message>
    <message>
        <source>Błąd falownika</source>
        <translation>Inverter fault</translation>
    </message>
    <message>
        <source>Błąd oprogramowania falownika</source>
        <translation>Inverter software error</translation>
    </message>
    <message>
        <source>Ładowarka - za wysokie napięcie</source>
        <translation>Charger - voltage too high</translation>
    </message>
    <message>
        <source>Błąd ładowarki</source>
        <translation>Charger fault</translation>
    </message>
    <message>
        <source>Stan baterii nieznany</source>
        <translation>Battery condition unknown</translation>
    </message>
    <message>
        <source>Stan baterii normalny</source>
        <translation>Battery condition normal</translation>
    </message>
    <message>
        <source>Bateria rozładowana</source>
        <translation>Battery discharged</translation>
    </message>
    <message>
        <source>Rozładowywanie baterii</source>
        <translation>Battery discharging</translation>
    </message>
    <message>
        <source>Błąd baterii</source>
        <translation>Battery fault</translation>
    </message>
    <message>
        <source>Test baterii anulowany</source>
        <translation>Battery test canceled</translation>
    </message>
    <message>
        <source>Załączony AVR</source>
        <translation>AVR active</translation>
    </message>
    <message>
        <source>Przeciążenie Bypass</source>
        <translation>Bypass overload</translation>
    </message>
    <message>
        <source>Konieczna wymiana akumulatorów</source>
        <translation>Batteries need replacing</translation>
    </message>
    <message>
        <source>Załączony AVR obniżający</source>
        <translation>AVR buck active</translation>
    </message>
    <message>
        <source>AVR podwyższający zablokowany</source>
        <translation>AVR boost disabled</translation>
    </message>
    <message>
        <source>AVR obniżający zablokowany</source>
        <translation>AVR buck disabled</translation>
    </message>
    <message>
        <source>Wentylator załączony</source>
        <translation>Fan on</translation>
    </message>
    <message>
        <source>EPO czasowo zablokowane</source>
        <translation>EPO temporarily disabled</translation>
    </message>
    <message>
        <source>UPS gotowy do pracy</source>
        <translation>UPS ready</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury baterii</source>
        <translation>Battery overtemperature</translation>
    </message>
    <message>
        <source>Brak komunikacji wewnętrznej</source>
        <translation>Internal communication failure</translation>
    </message>
    <message>
        <source>Praca rezerwowa</source>
        <translation>Running on battery</translation>
    </message>
    <message>
        <source>Awaria zasilania na wyjściu</source>
        <translation>Output power failure</translation>
    </message>
    <message>
        <source>Awaria bypass</source>
        <translation>Bypass failure</translation>
    </message>
    <message>
        <source>Wyjście wyłączone na żądanie</source>
        <translation>Output switched off on request</translation>
    </message>
    <message>
        <source>UPS wyłączony na żądanie</source>
        <translation>UPS switched off on request</translation>
    </message>
    <message>
        <source>Wyjście wyłączone</source>
        <translation>Output off</translation>
    </message>
    <message>
        <source>Błąd bezpiecznika</source>
        <translation>Fuse fault</translation>
    </message>
    <message>
        <source>Test diagnostyczny - wynik negatywny</source>
        <translation>Diagnostic test - failed</translation>
    </message>
    <message>
        <source>Oczekiwanie na powrót zasilania</source>
        <translation>Waiting for power to return</translation>
    </message>
    <message>
        <source>Procedura wyłączenia UPS rozpoczęta</source>
        <translation>UPS shutdown procedure started</translation>
    </message>
    <message>
        <source>Wykonywanie testu</source>
        <translation>Test in progress</translation>
    </message>
    <message>
        <source>Dynamiczna kompensacja mocy biernej</source>
        <translation>Dynamic reactive power compensation</translation>
    </message>
    <message>
        <source>Krytyczne napięcie akumulatora</source>
        <translation>Critical battery voltage</translation>
    </message>
    <message>
        <source>Przegrzanie baterii</source>
        <translation>Battery overheated</translation>
    </message>
    <message>
        <source>Przegrzanie falownika</source>
        <translation>Inverter overheated</translation>
    </message>
    <message>
        <source>Brak oleju</source>
        <translation>No oil</translation>
    </message>
    <message>
        <source>Prestart</source>
        <translation>Prestart</translation>
    </message>
    <message>
        <source>Parametry sieci poza zakresem</source>
        <translation>Mains parameters out of range</translation>
    </message>
    <message>
        <source>Test - zakończony ostrzeżeniem</source>
        <translation>Test - completed with a warning</translation>
    </message>
    <message>
        <source>Opóźnione załączenie wyjścia</source>
        <translation>Delayed output switch-on</translation>
    </message>
    <message>
        <source>Odliczanie opóźnienia trybu oczekiwania</source>
        <translation>Standby delay countdown</translation>
    </message>
    <message>
        <source>Parametry linii zasilającej poza zakresem</source>
        <translation>Input line parameters out of range</translation>
    </message>
    <message>
        <source>Parametry linii obejściowej poza zakresem</source>
        <translation>Bypass line parameters out of range</translation>
    </message>
    <message>
        <source>Wyjścia UPS nieaktywne</source>
        <translation>UPS outputs inactive</translation>
    </message>
    <message>
        <source>Wyjście sterowalne (sekcja 1) wyłączone</source>
        <translation>Controllable output (section 1) off</translation>
    </message>
    <message>
        <source>Wyjście sterowalne (sekcja 2) wyłączone</source>
        <translation>Controllable output (section 2) off</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii podstawowej</source>
        <translation>Incorrect phase sequence on the main line</translation>
    </message>
    <message>
        <source>Nierozpoznany model UPS</source>
        <translation>Unrecognized UPS model</translation>
    </message>
    <message>
        <source>Zdjęta osłona przełącznika obejścia serwisowego</source>
        <translation>Maintenance bypass switch cover removed</translation>
    </message>
    <message>
        <source>Zasilanie wyjść z UPS (z podtrzymaniem)</source>
        <translation>Outputs supplied by the UPS (backed up)</translation>
    </message>
    <message>
        <source>Zasilanie wyjść z sieci (bez podtrzymania)</source>
        <translation>Outputs supplied from the mains (not backed up)</translation>
    </message>
    <message>
        <source>Napięcie linii zasilającej nieprawidłowe</source>
        <translation>Input line voltage abnormal</translation>
    </message>
    <message>
        <source>Częstotliwość linii zasilającej nieprawidłowa</source>
        <translation>Input line frequency abnormal</translation>
    </message>
    <message>
        <source>Napięcie linii Bypass nieprawidłowe</source>
        <translation>Bypass line voltage abnormal</translation>
    </message>
    <message>
        <source>Częstotliwość linii Bypass nieprawidłowa</source>
        <translation>Bypass line frequency abnormal</translation>
    </message>
    <message>
        <source>Ładowarka - za niskie napięcie</source>
        <translation>Charger - voltage too low</translation>
    </message>
    <message>
        <source>Tryb PV Backup</source>
        <translation>PV Backup mode</translation>
    </message>
    <message>
        <source>Niski poziom paliwa - Wrn</source>
        <translation>Low fuel level - Wrn</translation>
    </message>
    <message>
        <source>Niski poziom paliwa - Sd</source>
        <translation>Low fuel level - Sd</translation>
    </message>
    <message>
        <source>Napięcie akumulatora poza zakresem - Wrn</source>
        <translation>Battery voltage out of range - Wrn</translation>
    </message>
    <message>
        <source>Błąd alternatora - Wrn</source>
        <translation>Alternator fault - Wrn</translation>
    </message>
    <message>
        <source>Nadmierna prędkość obrotowa - Sd</source>
        <translation>Overspeed - Sd</translation>
    </message>
    <message>
        <source>Za mała prędkość obrotowa - Sd</source>
        <translation>Underspeed - Sd</translation>
    </message>
    <message>
        <source>Błąd uziemienia - Sd</source>
        <translation>Earth fault - Sd</translation>
    </message>
    <message>
        <source>Alarm ECU - Wrn</source>
        <translation>ECU alarm - Wrn</translation>
    </message>
    <message>
        <source>Brak komunikacji z ECU - Wrn</source>
        <translation>No communication with the ECU - Wrn</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz agregatu - Wrn</source>
        <translation>Incorrect generator phase sequence - Wrn</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz sieci - Wrn</source>
        <translation>Incorrect mains phase sequence - Wrn</translation>
    </message>
    <message>
        <source>Przeciążenie - BOC</source>
        <translation>Overload - BOC</translation>
    </message>
    <message>
        <source>Zwarcie - BOC</source>
        <translation>Short circuit - BOC</translation>
    </message>
    <message>
        <source>Niesymetryczne obciążenie faz agregatu - BOC</source>
        <translation>Unbalanced generator phase load - BOC</translation>
    </message>
    <message>
        <source>Przekroczony limit obciążenia dla IDMT - BOC</source>
        <translation>IDMT load limit exceeded - BOC</translation>
    </message>
    <message>
        <source>Awaria stycznika w obwodzie agregatu - Sd</source>
        <translation>Generator contactor failure - Sd</translation>
    </message>
    <message>
        <source>Awaria stycznika w obwodzie sieci - MF</source>
        <translation>Mains contactor failure - MF</translation>
    </message>
    <message>
        <source>Konieczna wymiana DPF - Wrn</source>
        <translation>DPF replacement required - Wrn</translation>
    </message>
    <message>
        <source>Napięcie agregatu poza zakresem - SD</source>
        <translation>Generator voltage out of range - SD</translation>
    </message>
    <message>
        <source>Napięcie agregatu poza zakresem - BOC</source>
        <translation>Generator voltage out of range - BOC</translation>
    </message>
    <message>
        <source>Niesymetryczne napięcie agregatu - BOC</source>
        <translation>Unbalanced generator voltage - BOC</translation>
    </message>
    <message>
        <source>Częstotliwość agregatu poza zakresem - BOC</source>
        <translation>Generator frequency out of range - BOC</translation>
    </message>
    <message>
        <source>Napięcie sieci poza zakresem - MF</source>
        <translation>Mains voltage out of range - MF</translation>
    </message>
    <message>
        <source>Niesymetryczne napięcie sieci- MF</source>
        <translation>Unbalanced mains voltage- MF</translation>
    </message>
    <message>
        <source>Częstotliwość sieci poza zakresem - MF</source>
        <translation>Mains frequency out of range - MF</translation>
    </message>
    <message>
        <source>Awaryjne zatrzymanie - SD</source>
        <translation>Emergency stop - SD</translation>
    </message>
    <message>
        <source>Rozładowany akumulator - SD</source>
        <translation>Battery discharged - SD</translation>
    </message>
    <message>
        <source>Serwis - Wrn</source>
        <translation>Service due - Wrn</translation>
    </message>
    <message>
        <source>Tryb pracy - </source>
        <translation>Work mode - </translation>
    </message>
    <message>
        <source>Nieprawidłowe hasło</source>
        <translation>Incorrect password</translation>
    </message>
    <message>
        <source>Podane hasło Administratora jest nieprawidłowe</source>
        <translation>The administrator password you entered is incorrect</translation>
    </message>
    <message>
        <source>Błąd połączenia</source>
        <translation>Connection error</translation>
    </message>
    <message>
        <source>Brak połączenia z usługą</source>
        <translation>No connection to the service</translation>
    </message>
    <message>
        <source>Domyślne hasło: 
&quot;Quillmarberon&quot;</source>
        <translation>Default password: 
&quot;Quillmarberon&quot;</translation>
    </message>
    <message>
        <source>Dane niedostępne w wybranym modelu</source>
        <translation>Data not available for the selected model</translation>
    </message>
    <message>
        <source>Program do konwersji pliku konfiguracyjnego config.ini. Konwersja pliku konfiguracyjnego jest konieczna po zakończonym procesie aktualizacji Luminorix. W systemach Windows program cfgshifter jest uruchamiany automatycznie przez instalator. W przypadku systemów Linux po zaktualizowaniu Luminorix program cfgshifter musi być uruchomiony przez użytkownika.</source>
        <translation>Converts the configuration file config.ini. The configuration file must be converted once Luminorix has been updated. On Windows, the installer starts cfgshifter automatically. On Linux, the user must run cfgshifter after updating Luminorix.</translation>
    </message>
    <message>
        <source>Wersja językowa oprogramowania Luminorix Professional. Dopuszczalne wartości: polish, english</source>
        <translation>Language of Luminorix Professional. Allowed values: polish, english</translation>
    </message>
    <message>
        <source>Nie wykryto pliku config.ini</source>
        <translation>The file config.ini was not found</translation>
    </message>
    <message>
        <source>Wprowadzono nieprawidłowe hasło administratora</source>
        <translation>The administrator password entered is incorrect</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Proszę sprawdzić nowe hasło</source>
        <translation>Please check the new password</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Proszę wprowadzić nowe hasło</source>
        <translation>Please enter a new password</translation>
    </message>
    <message>
        <source>Zmiana hasła</source>
        <translation>Password change</translation>
    </message>
    <message>
        <source>Hasło zostało zmienione</source>
        <translation>The password has been changed</translation>
    </message>
    <message>
        <source>Brak odpowiedzi</source>
        <translation>No response</translation>
    </message>
    <message>
        <source>Usługa Luminorix jest nieosiągalna</source>
        <translation>The Luminorix service cannot be reached</translation>
    </message>
    <message>
        <source>Nie wykryto pliku config.ini: dowiązanie wskazuje na %1: %2</source>
        <translation>The file config.ini was not found: the link points to %1: %2</translation>
    </message>
    <message>
        <source>Polecenia systemowe</source>
        <translation>System commands</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Czas, po którym polecenie zostanie wykonane</source>
        <translation>Time after which the command is executed</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Po wykonaniu polecenia wyłącz zasilacz UPS</source>
        <translation>Switch the UPS off after the command</translation>
    </message>
    <message>
        <source>Netclient jest nieosiągalny</source>
        <translation>The netclient cannot be reached</translation>
    </message>
</context>
<context>
    <name>QTranslator</name>
    <message>
        <source>&lt;nieokreślona nazwa&gt;</source>
        <translation>&lt;unspecified name&gt;</translation>
    </message>
    <message>
        <source>&lt;nieokreślona lokalizacja&gt;</source>
        <translation>&lt;unspecified location&gt;</translation>
    </message>
    <message>
        <source>Napięcie wejściowe</source>
        <translation>Input voltage</translation>
    </message>
    <message>
        <source>Napięcie fazowe w sieci elektrycznej</source>
        <translation>Mains phase voltage</translation>
    </message>
    <message>
        <source>Napięcie międzyfazowe w sieci elektrycznej</source>
        <translation>Mains line-to-line voltage</translation>
    </message>
    <message>
        <source>Częstotliwość wejściowa</source>
        <translation>Input frequency</translation>
    </message>
    <message>
        <source>Częstotliwość w sieci elektrycznej</source>
        <translation>Mains frequency</translation>
    </message>
    <message>
        <source>Moc czynna wejściowa</source>
        <translation>Input active power</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Wyjściowe napięcie międzyfazowe</source>
        <translation>Output line-to-line voltage</translation>
    </message>
    <message>
        <source>Częstotliwość wyjściowa</source>
        <translation>Output frequency</translation>
    </message>
    <message>
        <source>Moc pozorna wejściowa</source>
        <translation>Input apparent power</translation>
    </message>
    <message>
        <source>Prąd wejściowy</source>
        <translation>Input current</translation>
    </message>
    <message>
        <source>PF wejściowy</source>
        <translation>Input PF</translation>
    </message>
    <message>
        <source>Moc czynna wyjściowa</source>
        <translation>Output active power</translation>
    </message>
    <message>
        <source>Prąd wyjściowy</source>
        <translation>Output current</translation>
    </message>
    <message>
        <source>PF wyjściowy</source>
        <translation>Output PF</translation>
    </message>
    <message>
        <source>Moc bierna wyjściowa</source>
        <translation>Output reactive power</translation>
    </message>
    <message>
        <source>Moc pozorna wyjściowa</source>
        <translation>Output apparent power</translation>
    </message>
    <message>
        <source>Prąd akumulatorów</source>
        <translation>Battery current</translation>
    </message>
    <message>
        <source>Napięcie akumulatorów</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Obciążenie</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Moc obciążenia</source>
        <translation>Load power</translation>
    </message>
    <message>
        <source>Temperatura bloku DC/AC</source>
        <translation>DC/AC block temperature</translation>
    </message>
    <message>
        <source>Temperatura radiatora</source>
        <translation>Heat sink temperature</translation>
    </message>
    <message>
        <source>Temperatura akumulatora</source>
        <translation>Battery temperature</translation>
    </message>
    <message>
        <source>Czas pracy rezerwowej</source>
        <translation>Time on battery</translation>
    </message>
    <message>
        <source>Adres MAC</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>Adres IP</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Maska sieci</source>
        <translation>Network mask</translation>
    </message>
    <message>
        <source>Brama domyślna</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>Pojemność akumulatorów</source>
        <translation>Battery capacity</translation>
    </message>
    <message>
        <source>Napięcie bypass</source>
        <translation>Bypass voltage</translation>
    </message>
    <message>
        <source>Napięcie bypass L1/L2/L3</source>
        <translation>Bypass voltage L1/L2/L3</translation>
    </message>
    <message>
        <source>Prąd bypass</source>
        <translation>Bypass current</translation>
    </message>
    <message>
        <source>Prąd bypass L1/L2/L3</source>
        <translation>Bypass current L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc czynna wej L1/L2/L3</source>
        <translation>Input active power L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc czynna wyj L1/L2/L3</source>
        <translation>Output active power L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc czynna bypass</source>
        <translation>Bypass active power</translation>
    </message>
    <message>
        <source>Moc czynna byp L1/L2/L3</source>
        <translation>Bypass active power L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc bierna wyj L1/L2/L3</source>
        <translation>Output reactive power L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc pozorna wej L1/L2/L3</source>
        <translation>Input apparent power L1/L2/L3</translation>
    </message>
    <message>
        <source>PF wyjściowy L1/L2/L3</source>
        <translation>Output PF L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc pozorna wyj L1/L2/L3</source>
        <translation>Output apparent power L1/L2/L3</translation>
    </message>
    <message>
        <source>Moc pozorna bypass</source>
        <translation>Bypass apparent power</translation>
    </message>
    <message>
        <source>Moc pozorna byp L1/L2/L3</source>
        <translation>Bypass apparent power L1/L2/L3</translation>
    </message>
    <message>
        <source>Współczynnik mocy wyjściowej</source>
        <translation>Output power factor</translation>
    </message>
    <message>
        <source>Współczynnik mocy bypass</source>
        <translation>Bypass power factor</translation>
    </message>
    <message>
        <source>PF toru obejściowego</source>
        <translation>Bypass line PF</translation>
    </message>
    <message>
        <source>Współczynnik mocy prostownika</source>
        <translation>Rectifier power factor</translation>
    </message>
    <message>
        <source>Częstotliwość bypass</source>
        <translation>Bypass frequency</translation>
    </message>
    <message>
        <source>Napięcie prostownika</source>
        <translation>Rectifier voltage</translation>
    </message>
    <message>
        <source>Prąd prostownika</source>
        <translation>Rectifier current</translation>
    </message>
    <message>
        <source>Częstotliwość prostownika</source>
        <translation>Rectifier frequency</translation>
    </message>
    <message>
        <source>Moc czynna prostownika</source>
        <translation>Rectifier active power</translation>
    </message>
    <message>
        <source>Moc pozorna prostownika</source>
        <translation>Rectifier apparent power</translation>
    </message>
    <message>
        <source>PF prostownika</source>
        <translation>Rectifier PF</translation>
    </message>
    <message>
        <source>Stan akumulatorów</source>
        <translation>Battery state</translation>
    </message>
    <message>
        <source>Temperatura otoczenia</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>Wilgotność względna</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>Maksymalne napięcie wejściowe</source>
        <translation>Maximum input voltage</translation>
    </message>
    <message>
        <source>Minimalne napięcie wejściowe</source>
        <translation>Minimum input voltage</translation>
    </message>
    <message>
        <source>Dodatnie napięcie magistrali</source>
        <translation>Positive bus voltage</translation>
    </message>
    <message>
        <source>Ujemne napięcie magistrali</source>
        <translation>Negative bus voltage</translation>
    </message>
    <message>
        <source>Bazowy współczynnik kompensacji</source>
        <translation>Base compensation factor</translation>
    </message>
    <message>
        <source>Współczynnik kompensacji</source>
        <translation>Compensation factor</translation>
    </message>
    <message>
        <source>D+</source>
        <translation>D+</translation>
    </message>
    <message>
        <source>Poziom paliwa</source>
        <translation>Fuel level</translation>
    </message>
    <message>
        <source>Całkowity czas pracy</source>
        <translation>Total running time</translation>
    </message>
    <message>
        <source>Całkowite zużycie paliwa</source>
        <translation>Total fuel consumption</translation>
    </message>
    <message>
        <source>Liczba uruchomień</source>
        <translation>Number of starts</translation>
    </message>
    <message>
        <source>Wyłączenia awaryjne</source>
        <translation>Emergency stops</translation>
    </message>
    <message>
        <source>Czas do przeglądu</source>
        <translation>Time to service</translation>
    </message>
    <message>
        <source>Numer seryjny sterownika</source>
        <translation>Controller serial number</translation>
    </message>
    <message>
        <source>Licznik zaników napięcia sieciowego</source>
        <translation>Mains failure counter</translation>
    </message>
    <message>
        <source>Licznik wyzwoleń AVR podwyższającego</source>
        <translation>AVR boost counter</translation>
    </message>
    <message>
        <source>Licznik przeciążeń</source>
        <translation>Overload counter</translation>
    </message>
    <message>
        <source>Licznik zwarć</source>
        <translation>Short circuit counter</translation>
    </message>
    <message>
        <source>Licznik rozładowań</source>
        <translation>Discharge counter</translation>
    </message>
    <message>
        <source>Czas pracy w przeciążeniu</source>
        <translation>Time on overload</translation>
    </message>
    <message>
        <source>Czas pracy sieciowej</source>
        <translation>Time on mains</translation>
    </message>
    <message>
        <source>Czas pracy autonomicznej</source>
        <translation>Time on battery</translation>
    </message>
    <message>
        <source>Próg sygnalizacji niskiego poziomu baterii</source>
        <translation>Low battery warning threshold</translation>
    </message>
    <message>
        <source>Numer fabryczny UPS</source>
        <translation>UPS serial number</translation>
    </message>
    <message>
        <source>Nazwa urządzenia</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Lokalizacja urządzenia</source>
        <translation>Device location</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Contact person</translation>
    </message>
    <message>
        <source>Wersja firmware karty NMC</source>
        <translation>NMC card firmware version</translation>
    </message>
    <message>
        <source>Maksymalna ilość modułów UPS</source>
        <translation>Maximum number of UPS modules</translation>
    </message>
    <message>
        <source>Znamionowa moc pozorna pojedynczego
modułu UPS</source>
        <translation>Rated apparent power of one
UPS module</translation>
    </message>
    <message>
        <source>Konfiguracja faz wejściowych/wyjściowych UPS</source>
        <translation>UPS input/output phase configuration</translation>
    </message>
</context>
<context>
    <name>SendEmailWindow</name>
    <message>
        <source>Wyślij email</source>
        <translation>Send e-mail</translation>
    </message>
    <message>
        <source>Nadawca (Jan Kowalski)</source>
        <translation>Sender (John Smith)</translation>
    </message>
    <message>
        <source>Adresat (admin@example.org; serwis@example.org)</source>
        <translation>Receiver (admin@example.org; service@example.org)</translation>
    </message>
    <message>
        <source>Temat wiadomości</source>
        <translation>Message subject</translation>
    </message>
    <message>
        <source>Treść wiadomości</source>
        <translation>Message body</translation>
    </message>
</context>
<context>
    <name>SessionStamp</name>
    <message>
        <source>Sesja zakończona</source>
        <translation>Session ended</translation>
    </message>
    <message>
        <source>Sesja administratora zakończyła się, zmiany nie zostały wysłane. Zaloguj się ponownie, aby je wysłać.</source>
        <translation>The administrator session has ended and the changes were not sent. Log in again to send them.</translation>
    </message>
</context>
<context>
    <name>SmtpTestWindow</name>
    <message>
        <source>Test konfiguracji SMTP</source>
        <translation>SMTP settings test</translation>
    </message>
    <message>
        <source>Inicjalizacja testu...</source>
        <translation>Starting the test...</translation>
    </message>
    <message>
        <source>Testowanie konfiguracji...</source>
        <translation>Testing the settings...</translation>
    </message>
    <message>
        <source>Konfiguracja prawidłowa</source>
        <translation>Settings are correct</translation>
    </message>
    <message>
        <source>Konfiguracja błędna</source>
        <translation>Settings are incorrect</translation>
    </message>
    <message>
        <source>Usługa nie odpowiada. Czy wersja usługi jest zgodna z wersją panelu kontrolnego Luminorix?</source>
        <translation>The service does not respond. Does the service version match the version of the Luminorix control panel?</translation>
    </message>
</context>
<context>
    <name>SnmpOptionsWindow</name>
    <message>
        <source>Konfiguracja SNMP</source>
        <translation>SNMP configuration</translation>
    </message>
    <message>
        <source>Adres agenta</source>
        <translation>Agent address</translation>
    </message>
    <message>
        <source>Hasło odczytu</source>
        <translation>Read community</translation>
    </message>
    <message>
        <source>Hasło zapisu</source>
        <translation>Write community</translation>
    </message>
    <message>
        <source>Numer seryjny 
sterownika</source>
        <translation>Controller 
serial number</translation>
    </message>
    <message>
        <source>Wersja SNMP</source>
        <translation>SNMP version</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Wprowadzono nieprawidłowy adres IP</source>
        <translation>An invalid IP address was entered</translation>
    </message>
</context>
<context>
    <name>SysCommandWindow</name>
    <message>
        <source>Polecenie systemowe</source>
        <translation>System command</translation>
    </message>
    <message>
        <source>Wybierz plik</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Wszystkie pliki (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
</context>
<context>
    <name>UPSConfigurationWindow</name>
    <message>
        <source>Konfiguracja UPS</source>
        <translation>UPS configuration</translation>
    </message>
    <message>
        <source>Konfiguracja agregatu</source>
        <translation>Generator set configuration</translation>
    </message>
    <message>
        <source>W przypadku niepowodzenia testu baterii UPS będzie wydawał sygnał dźwiękowy co 2 sekundy. Jeżeli stan baterii będzie krytyczny UPS zasygnalizuje to świeceniem czerwonej diody.</source>
        <translation>If the battery test fails, the UPS will beep every 2 seconds. If the battery state is critical, the UPS will light its red LED.</translation>
    </message>
    <message>
        <source>Nastąpi awaryjne wyłączenie zasilania (EPO). Czy kontynuować?</source>
        <translation>An emergency power off (EPO) will follow. Continue?</translation>
    </message>
    <message>
        <source>Nastąpi reset licznika zużycia akumulatora.
Funkcję resetu należy wykonać jednorazowo, niezwłocznie po każdej wymianie akumulatora w UPS. Czy kontynuować?</source>
        <translation>The battery wear counter will be reset.
Reset it once, right after each battery replacement in the UPS. Continue?</translation>
    </message>
    <message>
        <source>Zapisanie konfiguracji wyśle do urządzenia polecenia:
%1
Czy kontynuować?</source>
        <translation>Saving the configuration sends these commands to the device:
%1
Continue?</translation>
    </message>
    <message>
        <source>Wprowadzono nieprawidłowy adres IP</source>
        <translation>The IP address entered is not valid</translation>
    </message>
    <message>
        <source>Zmiany parametrów &quot;Adres IP&quot;, &quot;Maska podsieci&quot;, &quot;Brama domyślna&quot; oraz &quot;DHCP włączony&quot; zostaną zastosowane po wyłączeniu i ponownym uruchomieniu karty sieciowej (opcja &quot;Resetuj ethernet&quot;)</source>
        <translation>Changes to &quot;IP address&quot;, &quot;Subnet mask&quot;, &quot;Default gateway&quot; and &quot;DHCP enabled&quot; take effect after the network card is switched off and started again (the &quot;Reset ethernet&quot; option)</translation>
    </message>
    <message>
        <source>Hasło i nazwa użytkownika nie mogą być dłuższe niż 30 znaków</source>
        <translation>The password and the user name cannot be longer than 30 characters</translation>
    </message>
    <message>
        <source>Hasło lub nazwa użytkownika zawiera niedozwolone znaki</source>
        <translation>The password or the user name contains characters that are not allowed</translation>
    </message>
    <message>
        <source>Dopuszczalny zakres to 0 - 65534</source>
        <translation>The allowed range is 0 - 65534</translation>
    </message>
    <message>
        <source>Uwaga</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Częstotliwość wyjściowa</source>
        <translation>Output frequency</translation>
    </message>
    <message>
        <source>Próg dolny wejściowy</source>
        <translation>Lower input threshold</translation>
    </message>
    <message>
        <source>Próg górny wejściowy</source>
        <translation>Upper input threshold</translation>
    </message>
    <message>
        <source>Próg dolny AVR Boost</source>
        <translation>AVR Boost lower threshold</translation>
    </message>
    <message>
        <source>Próg dolny AVR Trim</source>
        <translation>AVR Trim lower threshold</translation>
    </message>
    <message>
        <source>Liczba modułów bateryjnych</source>
        <translation>Number of battery modules</translation>
    </message>
    <message>
        <source>Opóźnienie trybu oczekiwania</source>
        <translation>Standby delay</translation>
    </message>
    <message>
        <source>Minimalna pojemność powrotu</source>
        <translation>Minimum return capacity</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe L1</source>
        <translation>Output voltage L1</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe L2</source>
        <translation>Output voltage L2</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe L3</source>
        <translation>Output voltage L3</translation>
    </message>
    <message>
        <source>Próg górny częstotliwościowy</source>
        <translation>Upper frequency threshold</translation>
    </message>
    <message>
        <source>Próg dolny częstotliwościowy</source>
        <translation>Lower frequency threshold</translation>
    </message>
    <message>
        <source>Przeciążenie stop</source>
        <translation>Overload stop</translation>
    </message>
    <message>
        <source>Pojemność ze standby</source>
        <translation>Capacity from standby</translation>
    </message>
    <message>
        <source>Pojemność sekcji akumulatorów</source>
        <translation>Battery section capacity</translation>
    </message>
    <message>
        <source>Czas autonomii, przy którym 
zgłaszany jest niski poziom baterii</source>
        <translation>Backup runtime at which 
low battery is reported</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Charging current</translation>
    </message>
    <message>
        <source>Adres jednostki równoległej</source>
        <translation>Parallel unit address</translation>
    </message>
    <message>
        <source>Minimalna liczba jednostek 
w pracy równoległej</source>
        <translation>Minimum number of units 
in parallel operation</translation>
    </message>
    <message>
        <source>Adres Modbus</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <source>Czas wyłączenia komputera</source>
        <translation>Computer shutdown time</translation>
    </message>
    <message>
        <source>Czas oczekiwania przed włączeniem UPS</source>
        <translation>Wait before the UPS is switched on</translation>
    </message>
    <message>
        <source>Wymuszenie oczekiwania</source>
        <translation>Force standby</translation>
    </message>
    <message>
        <source>Alarm dźwiękowy</source>
        <translation>Audible alarm</translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation>Bypass</translation>
    </message>
    <message>
        <source>Blokada klawiatury</source>
        <translation>Keypad lock</translation>
    </message>
    <message>
        <source>Tryb ECO</source>
        <translation>ECO mode</translation>
    </message>
    <message>
        <source>Włączenie urządzenia</source>
        <translation>Switch the device on</translation>
    </message>
    <message>
        <source>Wywołanie testu akumulatorów</source>
        <translation>Start a battery test</translation>
    </message>
    <message>
        <source>Wyzwolenie EPO</source>
        <translation>Trigger EPO</translation>
    </message>
    <message>
        <source>Blokada EPO</source>
        <translation>EPO lock</translation>
    </message>
    <message>
        <source>Kontrola zasilania linii obejściowej</source>
        <translation>Bypass line supply check</translation>
    </message>
    <message>
        <source>Kasowanie st. awaryjnych prost.</source>
        <translation>Clear rectifier fault states</translation>
    </message>
    <message>
        <source>Kasowanie st. awaryjnych fal.</source>
        <translation>Clear inverter fault states</translation>
    </message>
    <message>
        <source>Kasowanie st. awaryjnych</source>
        <translation>Clear fault states</translation>
    </message>
    <message>
        <source>Resetowanie licznika zużycia akumulatora</source>
        <translation>Reset the battery wear counter</translation>
    </message>
    <message>
        <source>Zdalne włączenie UPS</source>
        <translation>Remote UPS on</translation>
    </message>
    <message>
        <source>Zdalne wyłączenie UPS</source>
        <translation>Remote UPS off</translation>
    </message>
    <message>
        <source>Przywróć ustawienia domyślne UPS</source>
        <translation>Restore the UPS default settings</translation>
    </message>
    <message>
        <source>Sygnalizacja dźwiękowa</source>
        <translation>Audible signals</translation>
    </message>
    <message>
        <source>Sygnalizacja dźwiękowa w trybie pracy bypass</source>
        <translation>Audible signals in bypass mode</translation>
    </message>
    <message>
        <source>Sygnalizacja dźwiękowa w trybie pracy rezerwowej</source>
        <translation>Audible signals in battery mode</translation>
    </message>
    <message>
        <source>Automatyczny restart UPS</source>
        <translation>Automatic UPS restart</translation>
    </message>
    <message>
        <source>Bypass gdy UPS jest wyłączony</source>
        <translation>Bypass while the UPS is off</translation>
    </message>
    <message>
        <source>Przeciążenie start</source>
        <translation>Overload start</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury start</source>
        <translation>Overtemperature start</translation>
    </message>
    <message>
        <source>Test baterii 10 s</source>
        <translation>Battery test 10 s</translation>
    </message>
    <message>
        <source>Test baterii do niskiego poziomu</source>
        <translation>Battery test until low</translation>
    </message>
    <message>
        <source>Czas testu baterii</source>
        <translation>Battery test time</translation>
    </message>
    <message>
        <source>Test baterii przez określony czas</source>
        <translation>Battery test for a set time</translation>
    </message>
    <message>
        <source>Anuluj test baterii</source>
        <translation>Cancel the battery test</translation>
    </message>
    <message>
        <source>Wyczyść wyniki testu baterii</source>
        <translation>Clear the battery test results</translation>
    </message>
    <message>
        <source>Tryb konwersji</source>
        <translation>Converter mode</translation>
    </message>
    <message>
        <source>Autodetekcja częstotliwości</source>
        <translation>Frequency auto-detection</translation>
    </message>
    <message>
        <source>Funkcja głębokiego rozładowania</source>
        <translation>Deep discharge function</translation>
    </message>
    <message>
        <source>Reset po zwarciu</source>
        <translation>Reset after a short circuit</translation>
    </message>
    <message>
        <source>Blokada bypass</source>
        <translation>Bypass lock</translation>
    </message>
    <message>
        <source>Zakres częst. Bypass (dolne ograniczenie)</source>
        <translation>Bypass frequency range (lower limit)</translation>
    </message>
    <message>
        <source>Zakres częst. Bypass (górne ograniczenie)</source>
        <translation>Bypass frequency range (upper limit)</translation>
    </message>
    <message>
        <source>Zakres napięcia Bypass (dolne ograniczenie)</source>
        <translation>Bypass voltage range (lower limit)</translation>
    </message>
    <message>
        <source>Zakres napięcia Bypass (górne ograniczenie)</source>
        <translation>Bypass voltage range (upper limit)</translation>
    </message>
    <message>
        <source>Dolne ograniczenie częst. ECO</source>
        <translation>ECO frequency lower limit</translation>
    </message>
    <message>
        <source>Górne ograniczenie częst. ECO</source>
        <translation>ECO frequency upper limit</translation>
    </message>
    <message>
        <source>Dolne ograniczenie napięcia ECO</source>
        <translation>ECO voltage lower limit</translation>
    </message>
    <message>
        <source>Górne ograniczenie napięcia ECO</source>
        <translation>ECO voltage upper limit</translation>
    </message>
    <message>
        <source>Włączenie gniazd wyjściowych - sekcja nr 1</source>
        <translation>Output sockets on - section 1</translation>
    </message>
    <message>
        <source>Włączenie gniazd wyjściowych - sekcja nr 2</source>
        <translation>Output sockets on - section 2</translation>
    </message>
    <message>
        <source>Funkcja Green</source>
        <translation>Green function</translation>
    </message>
    <message>
        <source>Dźwięki klawiszy</source>
        <translation>Key sounds</translation>
    </message>
    <message>
        <source>Próg dolny wyjściowy</source>
        <translation>Lower output threshold</translation>
    </message>
    <message>
        <source>Próg górny wyjściowy</source>
        <translation>Upper output threshold</translation>
    </message>
    <message>
        <source>Próg dolny częstotliwościowy wyjściowy</source>
        <translation>Lower output frequency threshold</translation>
    </message>
    <message>
        <source>Próg górny częstotliwościowy wyjściowy</source>
        <translation>Upper output frequency threshold</translation>
    </message>
    <message>
        <source>Ethernet włączony</source>
        <translation>Ethernet enabled</translation>
    </message>
    <message>
        <source>Resetuj ethernet</source>
        <translation>Reset ethernet</translation>
    </message>
    <message>
        <source>DHCP włączony</source>
        <translation>DHCP enabled</translation>
    </message>
    <message>
        <source>Adres IP karty sieciowej</source>
        <translation>Network card IP address</translation>
    </message>
    <message>
        <source>Maska podsieci</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>Brama domyślna</source>
        <translation>Default gateway</translation>
    </message>
    <message>
        <source>HTTP włączony</source>
        <translation>HTTP enabled</translation>
    </message>
    <message>
        <source>Użytkownik - serwis HTTP</source>
        <translation>User - HTTP service</translation>
    </message>
    <message>
        <source>Hasło - serwis HTTP</source>
        <translation>Password - HTTP service</translation>
    </message>
    <message>
        <source>SNMP włączony</source>
        <translation>SNMP enabled</translation>
    </message>
    <message>
        <source>Hasło - odczyt SNMP</source>
        <translation>Password - SNMP read</translation>
    </message>
    <message>
        <source>Hasło - zapis SNMP</source>
        <translation>Password - SNMP write</translation>
    </message>
    <message>
        <source>Tylko do odczytu</source>
        <translation>Read only</translation>
    </message>
    <message>
        <source>SNMP trap włączony</source>
        <translation>SNMP trap enabled</translation>
    </message>
    <message>
        <source>Adres IP dla notyfikacji SNMP</source>
        <translation>IP address for SNMP notifications</translation>
    </message>
    <message>
        <source>Hasło - notyfikacje SNMP</source>
        <translation>Password - SNMP notifications</translation>
    </message>
    <message>
        <source>Zdalne włączenie agregatu</source>
        <translation>Remote generator set on</translation>
    </message>
    <message>
        <source>Zdalne wyłączenie agregatu</source>
        <translation>Remote generator set off</translation>
    </message>
    <message>
        <source>Resetuj statystyki</source>
        <translation>Reset statistics</translation>
    </message>
    <message>
        <source>Obwód sieci elektrycznej zamknięty</source>
        <translation>Mains circuit breaker closed</translation>
    </message>
    <message>
        <source>Obwód agregatu zamknięty</source>
        <translation>Generator set circuit breaker closed</translation>
    </message>
    <message>
        <source>Hasło dostępu</source>
        <translation>Access code</translation>
    </message>
    <message>
        <source>Tryb pracy kontrolera</source>
        <translation>Controller mode</translation>
    </message>
    <message>
        <source>Dummy 0</source>
        <translation>Dummy 0</translation>
    </message>
    <message>
        <source>Dummy 1</source>
        <translation>Dummy 1</translation>
    </message>
    <message>
        <source>Dummy 2</source>
        <translation>Dummy 2</translation>
    </message>
    <message>
        <source>Dummy 3</source>
        <translation>Dummy 3</translation>
    </message>
    <message>
        <source>Dummy 4</source>
        <translation>Dummy 4</translation>
    </message>
    <message>
        <source>Autotest 10 s</source>
        <translation>Self-test 10 s</translation>
    </message>
    <message>
        <source>Górny próg napięcia 
wejściowego</source>
        <translation>Upper input voltage 
threshold</translation>
    </message>
    <message>
        <source>Dolny próg napięcia 
wejściowego</source>
        <translation>Lower input voltage 
threshold</translation>
    </message>
    <message>
        <source>Tolerancja częstotliwości 
sieci zasilającej</source>
        <translation>Mains frequency 
tolerance</translation>
    </message>
    <message>
        <source>Konfiguracja trybu ECO UPS</source>
        <translation>UPS ECO mode settings</translation>
    </message>
    <message>
        <source>Kontrola poprawności bypass</source>
        <translation>Bypass check</translation>
    </message>
    <message>
        <source>Bypass - górna tolerancja 
napięcia</source>
        <translation>Bypass - upper voltage 
tolerance</translation>
    </message>
    <message>
        <source>Bypass - dolna tolerancja 
napięcia</source>
        <translation>Bypass - lower voltage 
tolerance</translation>
    </message>
    <message>
        <source>Opóźnienie ponownego zasilenia 
wyjść</source>
        <translation>Delay before the outputs 
are powered again</translation>
    </message>
    <message>
        <source>Opóźnienie powrotu na zasilanie 
sieciowe</source>
        <translation>Delay before returning 
to mains power</translation>
    </message>
    <message>
        <source>Próg pojemności, przy którym
zgłaszany jest niski poziom baterii</source>
        <translation>Capacity at which
low battery is reported</translation>
    </message>
    <message>
        <source>Okres automatycznego testu baterii</source>
        <translation>Automatic battery test period</translation>
    </message>
    <message>
        <source>Zimny start</source>
        <translation>Cold start</translation>
    </message>
    <message>
        <source>Wygaszacz ekranu</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <source>Test wyświetlacza LCD</source>
        <translation>LCD test</translation>
    </message>
    <message>
        <source>Automatyczne wyłączenie gniazd 
sterowalnych poniżej pojemności</source>
        <translation>Automatic switch-off of controllable 
outputs below capacity</translation>
    </message>
    <message>
        <source>Opóźnienie automatycznego wyłączenia 
gniazd sterowalnych</source>
        <translation>Delay of the automatic switch-off 
of controllable outputs</translation>
    </message>
    <message>
        <source>Opóźnienie automatycznego załączenia 
gniazd sterowalnych</source>
        <translation>Delay of the automatic switch-on 
of controllable outputs</translation>
    </message>
    <message>
        <source>Kalibracja predykcji czasu</source>
        <translation>Backup runtime prediction calibration</translation>
    </message>
    <message>
        <source>Anuluj trwające testy baterii</source>
        <translation>Cancel running battery tests</translation>
    </message>
    <message>
        <source>Ręczny BYPASS</source>
        <translation>Manual BYPASS</translation>
    </message>
    <message>
        <source>Przejdź na BYPASS w przeciążeniu</source>
        <translation>Go to BYPASS on overload</translation>
    </message>
    <message>
        <source>Tryb stabilizacji częstotliwości 
wyjściowej</source>
        <translation>Output frequency 
stabilisation mode</translation>
    </message>
    <message>
        <source>Częstotliwość napięcia wyjściowego</source>
        <translation>Output voltage frequency</translation>
    </message>
    <message>
        <source>Nazwa urządzenia</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>Lokalizacja urządzenia</source>
        <translation>Device location</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Contact person</translation>
    </message>
    <message>
        <source>Rozszerzone progi przełączania zasilacza</source>
        <translation>Extended transfer thresholds</translation>
    </message>
    <message>
        <source>Anuluj odliczanie przejścia do trybu oczekiwania</source>
        <translation>Cancel the countdown to standby</translation>
    </message>
    <message>
        <source>Przywróć domyślne ustawienia UPS</source>
        <translation>Restore the default UPS settings</translation>
    </message>
    <message>
        <source>Maksymalny dopuszczalny czas pracy rezerwowej</source>
        <translation>Maximum allowed time on battery</translation>
    </message>
    <message>
        <source>Włącz ograniczenie maksymalnego czasu pracy w trybie bateryjnym</source>
        <translation>Limit the maximum time in battery mode</translation>
    </message>
    <message>
        <source>Wejście bezpotencjałowe - funkcja</source>
        <translation>Dry contact input - function</translation>
    </message>
    <message>
        <source>Wyjście bezpotencjałowe - funkcja</source>
        <translation>Dry contact output - function</translation>
    </message>
    <message>
        <source>Sprawdzaj kolejność L i N na wejściu UPS</source>
        <translation>Check the L and N order at the UPS input</translation>
    </message>
    <message>
        <source>Konfiguracja wejścia EPO</source>
        <translation>EPO input settings</translation>
    </message>
    <message>
        <source>Niestandardowy moduł bateryjny - korzystaj
z deklarowanej pojemności</source>
        <translation>Non-standard battery module - use
the declared capacity</translation>
    </message>
    <message>
        <source>Automatyczne wyłączanie wyświetlacza LCD</source>
        <translation>Automatic LCD switch-off</translation>
    </message>
    <message>
        <source>Konfiguracja wejścia bezpotencjałowego</source>
        <translation>Dry contact input settings</translation>
    </message>
    <message>
        <source>Konfiguracja wyjścia bezpotencjałowego</source>
        <translation>Dry contact output settings</translation>
    </message>
    <message>
        <source>Predykcja czasu autonomii</source>
        <translation>Backup runtime prediction</translation>
    </message>
    <message>
        <source>Restart UPS po przeciążeniu</source>
        <translation>UPS restart after overload</translation>
    </message>
    <message>
        <source>Sterowanie gniazdami wyjściowymi PDU</source>
        <translation>PDU output socket control</translation>
    </message>
    <message>
        <source>Konfiguracja wejścia (liczba faz)</source>
        <translation>Input settings (number of phases)</translation>
    </message>
    <message>
        <source>Konfiguracja wyjścia (liczba faz)</source>
        <translation>Output settings (number of phases)</translation>
    </message>
    <message>
        <source>Bypass - tolerancja częstotliwości</source>
        <translation>Bypass - frequency tolerance</translation>
    </message>
    <message>
        <source>Opuść Ręczny BYPASS</source>
        <translation>Leave manual BYPASS</translation>
    </message>
    <message>
        <source>Uruchom poprzez Bypass</source>
        <translation>Start through bypass</translation>
    </message>
    <message>
        <source>Ignoruj zdalne komendy wymuszenia
Trybu Oczekiwania/Restartu</source>
        <translation>Ignore remote commands forcing
standby/restart</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Brak instalatora dla platformy &quot;%1&quot;</source>
        <translation>No installer for the platform &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Serwer zwrócił kod HTTP %1 zamiast instalatora</source>
        <translation>The server returned HTTP code %1 instead of the installer</translation>
    </message>
    <message>
        <source>Instalator jest większy niż dopuszczalne %1 bajtów</source>
        <translation>The installer is larger than the allowed %1 bytes</translation>
    </message>
    <message>
        <source>Pobrano %1 z %2 bajtów instalatora</source>
        <translation>Downloaded %1 of %2 bytes of the installer</translation>
    </message>
    <message>
        <source>Nie można nadać plikowi %1 prawa wykonywania</source>
        <translation>Cannot make the file %1 executable</translation>
    </message>
    <message>
        <source>Nie można uruchomić instalatora %1</source>
        <translation>Cannot start the installer %1</translation>
    </message>
</context>
<context>
    <name>UpdateDownloadWindow</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Trwa pobieranie aktualizacji</source>
        <translation>Downloading the update</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>UpsEventsWindow</name>
    <message>
        <source>Tryb pracy - Inicjalizacja</source>
        <translation>Work mode - Initialization</translation>
    </message>
    <message>
        <source>Tryb pracy - Stop</source>
        <translation>Work mode - Stop</translation>
    </message>
    <message>
        <source>Tryb pracy - Czuwanie</source>
        <translation>Work mode - Standby</translation>
    </message>
    <message>
        <source>Tryb pracy - ECO</source>
        <translation>Work mode - ECO</translation>
    </message>
    <message>
        <source>Tryb pracy - Sieciowa</source>
        <translation>Work mode - Mains</translation>
    </message>
    <message>
        <source>Tryb pracy - Rezerwowa</source>
        <translation>Work mode - Reserve</translation>
    </message>
    <message>
        <source>Tryb pracy - Hybrydowa</source>
        <translation>Work mode - Hybrid</translation>
    </message>
    <message>
        <source>Tryb pracy - Awaryjna</source>
        <translation>Work mode - Emergency</translation>
    </message>
    <message>
        <source>Tryb pracy - Bypass</source>
        <translation>Work mode - Bypass</translation>
    </message>
    <message>
        <source>Tryb pracy - Oczekiwanie</source>
        <translation>Work mode - Waiting</translation>
    </message>
    <message>
        <source>Zwarcie</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>Przeciążenie</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury prostownika</source>
        <translation>Rectifier over-temperature</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury falownika</source>
        <translation>Inverter over-temperature</translation>
    </message>
    <message>
        <source>Błąd akumulatora</source>
        <translation>Battery fault</translation>
    </message>
    <message>
        <source>Aktywne EPO</source>
        <translation>EPO active</translation>
    </message>
    <message>
        <source>Wewnętrzny błąd prostownika</source>
        <translation>Internal rectifier fault</translation>
    </message>
    <message>
        <source>Błąd wewnętrzny falownika</source>
        <translation>Internal inverter fault</translation>
    </message>
    <message>
        <source>Błąd pracy równoległej</source>
        <translation>Parallel operation fault</translation>
    </message>
    <message>
        <source>Ładowanie baterii: Start</source>
        <translation>Battery charging: Start</translation>
    </message>
    <message>
        <source>Ładowanie baterii: Stop</source>
        <translation>Battery charging: Stop</translation>
    </message>
    <message>
        <source>Przeciążenie: Start</source>
        <translation>Overload: Start</translation>
    </message>
    <message>
        <source>Przeciążenie: Stop</source>
        <translation>Overload: Stop</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury prostownika: Start</source>
        <translation>Rectifier over-temperature: Start</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury prostownika: Stop</source>
        <translation>Rectifier over-temperature: Stop</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury falownika: Start</source>
        <translation>Inverter over-temperature: Start</translation>
    </message>
    <message>
        <source>Nadmierny wzrost temperatury falownika: Stop</source>
        <translation>Inverter over-temperature: Stop</translation>
    </message>
    <message>
        <source>Oczekiwanie na ładunek minimalny: Start</source>
        <translation>Waiting for minimum charge: Start</translation>
    </message>
    <message>
        <source>Oczekiwanie na ładunek minimalny: Stop</source>
        <translation>Waiting for minimum charge: Stop</translation>
    </message>
    <message>
        <source>Stan niskiej baterii: Start</source>
        <translation>Low battery: Start</translation>
    </message>
    <message>
        <source>Stan niskiej baterii: Stop</source>
        <translation>Low battery: Stop</translation>
    </message>
    <message>
        <source>Serwis: Start</source>
        <translation>Service: Start</translation>
    </message>
    <message>
        <source>Serwis: Stop</source>
        <translation>Service: Stop</translation>
    </message>
    <message>
        <source>Bypass: Start</source>
        <translation>Bypass: Start</translation>
    </message>
    <message>
        <source>Bypass: Stop</source>
        <translation>Bypass: Stop</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem prostownika: Start</source>
        <translation>No communication with the rectifier module: Start</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem prostownika: Stop</source>
        <translation>No communication with the rectifier module: Stop</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem falownika: Start</source>
        <translation>No communication with the inverter module: Start</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem falownika: Stop</source>
        <translation>No communication with the inverter module: Stop</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii BYPASS: Start</source>
        <translation>Wrong phase order on the BYPASS line: Start</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii BYPASS: Stop</source>
        <translation>Wrong phase order on the BYPASS line: Stop</translation>
    </message>
    <message>
        <source>Zasilanie linii BYPASS poza zakresem: Start</source>
        <translation>BYPASS line supply out of range: Start</translation>
    </message>
    <message>
        <source>Zasilanie linii BYPASS poza zakresem: Stop</source>
        <translation>BYPASS line supply out of range: Stop</translation>
    </message>
    <message>
        <source>Otwarty obwód baterii: Start</source>
        <translation>Open battery circuit: Start</translation>
    </message>
    <message>
        <source>Otwarty obwód baterii: Stop</source>
        <translation>Open battery circuit: Stop</translation>
    </message>
    <message>
        <source>Zasilanie linii podstawowej poza zakresem: Start</source>
        <translation>Main line supply out of range: Start</translation>
    </message>
    <message>
        <source>Zasilanie linii podstawowej poza zakresem: Stop</source>
        <translation>Main line supply out of range: Stop</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii podstawowej: Start</source>
        <translation>Wrong phase order on the main line: Start</translation>
    </message>
    <message>
        <source>Niepoprawna kolejność faz linii podstawowej: Stop</source>
        <translation>Wrong phase order on the main line: Stop</translation>
    </message>
    <message>
        <source>Dynamiczna kompensacja mocy biernej aktywna: Start</source>
        <translation>Dynamic reactive power compensation active: Start</translation>
    </message>
    <message>
        <source>Dynamiczna kompensacja mocy biernej aktywna: Stop</source>
        <translation>Dynamic reactive power compensation active: Stop</translation>
    </message>
    <message>
        <source>Tryb PV Backup: Start</source>
        <translation>PV Backup mode: Start</translation>
    </message>
    <message>
        <source>Tryb PV Backup: Stop</source>
        <translation>PV Backup mode: Stop</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Pobieranie zdarzeń...</source>
        <translation>Fetching events...</translation>
    </message>
    <message>
        <source>Brak zapisanych zdarzeń</source>
        <translation>No events recorded</translation>
    </message>
</context>
<context>
    <name>UpsLogsWindow</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Poprzednie</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Następne</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Komunikaty</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Bazowy wsp. 
kompensacji L1</source>
        <translation>Base compensation
factor L1</translation>
    </message>
    <message>
        <source>Bazowy wsp. 
kompensacji L2</source>
        <translation>Base compensation
factor L2</translation>
    </message>
    <message>
        <source>Bazowy wsp. 
kompensacji L3</source>
        <translation>Base compensation
factor L3</translation>
    </message>
    <message>
        <source>Wsp. kompensacji L1</source>
        <translation>Compensation factor L1</translation>
    </message>
    <message>
        <source>Wsp. kompensacji L2</source>
        <translation>Compensation factor L2</translation>
    </message>
    <message>
        <source>Wsp. kompensacji L3</source>
        <translation>Compensation factor L3</translation>
    </message>
    <message>
        <source>Czas autonomii</source>
        <translation>Backup runtime</translation>
    </message>
    <message>
        <source>Stan naładowania akumulatora</source>
        <translation>Battery charge</translation>
    </message>
    <message>
        <source>Tryb pracy</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Temp. wewnętrzna zasilacza</source>
        <translation>Internal UPS temp.</translation>
    </message>
    <message>
        <source>Napięcie wejściowe</source>
        <translation>Input voltage</translation>
    </message>
    <message>
        <source>Częstotliwość wejściowa</source>
        <translation>Input frequency</translation>
    </message>
    <message>
        <source>Moc czynna wejściowa</source>
        <translation>Input active power</translation>
    </message>
    <message>
        <source>Napięcie wyjściowe</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Częstotliwość wyjściowa</source>
        <translation>Output frequency</translation>
    </message>
    <message>
        <source>Moc pozorna wejściowa</source>
        <translation>Input apparent power</translation>
    </message>
    <message>
        <source>Prąd wejściowy</source>
        <translation>Input current</translation>
    </message>
    <message>
        <source>PF wejściowy</source>
        <translation>Input PF</translation>
    </message>
    <message>
        <source>Moc czynna wyjściowa</source>
        <translation>Output active power</translation>
    </message>
    <message>
        <source>Prąd wyjściowy</source>
        <translation>Output current</translation>
    </message>
    <message>
        <source>PF wyjściowy</source>
        <translation>Output PF</translation>
    </message>
    <message>
        <source>Moc pozorna wyjściowa</source>
        <translation>Output apparent power</translation>
    </message>
    <message>
        <source>Prąd akumulatorów</source>
        <translation>Battery current</translation>
    </message>
    <message>
        <source>Napięcie akumulatorów</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Obciążenie</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Moc obciążenia</source>
        <translation>Load power</translation>
    </message>
    <message>
        <source>Temp. 1</source>
        <translation>Temp. 1</translation>
    </message>
    <message>
        <source>Temp. 2</source>
        <translation>Temp. 2</translation>
    </message>
    <message>
        <source>Temp. 3</source>
        <translation>Temp. 3</translation>
    </message>
    <message>
        <source>Temp. 4</source>
        <translation>Temp. 4</translation>
    </message>
    <message>
        <source>Pojemność akumulatorów</source>
        <translation>Battery capacity</translation>
    </message>
    <message>
        <source>Napięcie bypass</source>
        <translation>Bypass voltage</translation>
    </message>
    <message>
        <source>Prąd bypass</source>
        <translation>Bypass current</translation>
    </message>
    <message>
        <source>Moc czynna bypass</source>
        <translation>Bypass active power</translation>
    </message>
    <message>
        <source>Moc pozorna bypass</source>
        <translation>Bypass apparent power</translation>
    </message>
    <message>
        <source>Współczynnik mocy wyjściowej</source>
        <translation>Output power factor</translation>
    </message>
    <message>
        <source>Współczynnik mocy bypass</source>
        <translation>Bypass power factor</translation>
    </message>
    <message>
        <source>PF toru obejściowego</source>
        <translation>Bypass path PF</translation>
    </message>
    <message>
        <source>Współczynnik mocy prostownika</source>
        <translation>Rectifier power factor</translation>
    </message>
    <message>
        <source>Częstotliwość bypass</source>
        <translation>Bypass frequency</translation>
    </message>
    <message>
        <source>Napięcie prostownika</source>
        <translation>Rectifier voltage</translation>
    </message>
    <message>
        <source>Prąd prostownika</source>
        <translation>Rectifier current</translation>
    </message>
    <message>
        <source>Częstotliwość prostownika</source>
        <translation>Rectifier frequency</translation>
    </message>
    <message>
        <source>Moc czynna prostownika</source>
        <translation>Rectifier active power</translation>
    </message>
    <message>
        <source>Moc pozorna prostownika</source>
        <translation>Rectifier apparent power</translation>
    </message>
    <message>
        <source>PF prostownika</source>
        <translation>Rectifier PF</translation>
    </message>
    <message>
        <source>Stan akumulatorów</source>
        <translation>Battery state</translation>
    </message>
    <message>
        <source>Temp. otoczenia</source>
        <translation>Ambient temp.</translation>
    </message>
    <message>
        <source>Wilgotność względna</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>Maksymalne napięcie wejściowe</source>
        <translation>Maximum input voltage</translation>
    </message>
    <message>
        <source>Minimalne napięcie wejściowe</source>
        <translation>Minimum input voltage</translation>
    </message>
    <message>
        <source>Ujemne napięcie magistrali</source>
        <translation>Negative bus voltage</translation>
    </message>
    <message>
        <source>Dodatnie napięcie magistrali</source>
        <translation>Positive bus voltage</translation>
    </message>
    <message>
        <source>Temp. radiatora</source>
        <translation>Heat sink temp.</translation>
    </message>
    <message>
        <source>Temp. akumulatorów</source>
        <translation>Battery temp.</translation>
    </message>
    <message>
        <source>Czas pracy rezerwowej</source>
        <translation>Time on reserve</translation>
    </message>
    <message>
        <source>Poziom paliwa</source>
        <translation>Fuel level</translation>
    </message>
    <message>
        <source>Całkowity czas pracy</source>
        <translation>Total running time</translation>
    </message>
    <message>
        <source>Całkowite zużycie paliwa</source>
        <translation>Total fuel consumption</translation>
    </message>
    <message>
        <source>Nap. międzyfazowe w sieci elektrycznej</source>
        <translation>Mains line-to-line voltage</translation>
    </message>
    <message>
        <source>Wyjściowe napięcie międzyfazowe</source>
        <translation>Output line-to-line voltage</translation>
    </message>
    <message>
        <source>D+</source>
        <translation>D+</translation>
    </message>
    <message>
        <source>Wyłączenia awaryjne</source>
        <translation>Emergency stops</translation>
    </message>
    <message>
        <source>Czas do przeglądu</source>
        <translation>Time to service</translation>
    </message>
    <message>
        <source>Liczba uruchomień</source>
        <translation>Number of starts</translation>
    </message>
    <message>
        <source>Moc bierna wyjściowa</source>
        <translation>Output reactive power</translation>
    </message>
    <message>
        <source>Licznik zaników napięcia sieciowego</source>
        <translation>Mains failure counter</translation>
    </message>
    <message>
        <source>Licznik wyzwoleń AVR podwyższającego</source>
        <translation>Boost AVR counter</translation>
    </message>
    <message>
        <source>Licznik przeciążeń</source>
        <translation>Overload counter</translation>
    </message>
    <message>
        <source>Licznik zwarć</source>
        <translation>Short circuit counter</translation>
    </message>
    <message>
        <source>Licznik rozładowań</source>
        <translation>Discharge counter</translation>
    </message>
    <message>
        <source>Czas pracy w przeciążeniu</source>
        <translation>Time on overload</translation>
    </message>
    <message>
        <source>Czas pracy sieciowej</source>
        <translation>Time on mains</translation>
    </message>
    <message>
        <source>Czas pracy autonomicznej</source>
        <translation>Time on battery</translation>
    </message>
    <message>
        <source>Brak logów do wyświetlenia</source>
        <translation>No logs to display</translation>
    </message>
</context>
<context>
    <name>UpsTreeWidget</name>
    <message>
        <source>Sortowanie listy</source>
        <translation>Sort list</translation>
    </message>
    <message>
        <source>Brak sortowania</source>
        <translation>No sorting</translation>
    </message>
    <message>
        <source>Sortuj od A do Z</source>
        <translation>Sort A to Z</translation>
    </message>
    <message>
        <source>Sortuj od Z do A</source>
        <translation>Sort Z to A</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>VirtCentWindowTabHosts</name>
    <message>
        <source>Hosty</source>
        <translation>Hosts</translation>
    </message>
    <message>
        <source>Dodaj nowy</source>
        <translation>Add new</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń host</source>
        <translation>Remove host</translation>
    </message>
    <message>
        <source>Parametry hosta</source>
        <translation>Host parameters</translation>
    </message>
    <message>
        <source>Konfiguracja hosta</source>
        <translation>Host configuration</translation>
    </message>
    <message>
        <source>Zarządzanie i monitorowanie hosta aktywne</source>
        <translation>Host management and monitoring active</translation>
    </message>
    <message>
        <source>Konfiguracja została wyłączona automatycznie,
z powodu problemów z autoryzacją.</source>
        <translation>The configuration was switched off automatically,
because of authorization problems.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nazwa hosta</source>
        <translation>Host name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Nazwa użytkownika</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Zmień</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Dodaj host</source>
        <translation>Add host</translation>
    </message>
    <message>
        <source>Test połączenia z hostem</source>
        <translation>Host connection test</translation>
    </message>
    <message>
        <source>Test połączenia</source>
        <translation>Connection test</translation>
    </message>
    <message>
        <source>Testuj połączenie</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>Testuj i akceptuj nieznany/nowy host</source>
        <translation>Test and accept an unknown/new host</translation>
    </message>
    <message>
        <source>Wynik testu</source>
        <translation>Test result</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zmiana hasła</source>
        <translation>Password change</translation>
    </message>
    <message>
        <source>Hasło</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Błąd podczas dodawania nowego hosta:

%1</source>
        <translation>Error while adding the new host:

%1</translation>
    </message>
    <message>
        <source>Błąd podczas edycji parametrów hosta:

%1</source>
        <translation>Error while editing the host parameters:

%1</translation>
    </message>
    <message>
        <source>Centrum wirtualizacji</source>
        <translation>Virtualization centre</translation>
    </message>
    <message>
        <source>Czy na pewno chcesz usunąć wybrany host:
&quot;%1&quot;?</source>
        <translation>Do you really want to remove the selected host:
&quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Wykonywanie testu...</source>
        <translation>Running the test...</translation>
    </message>
    <message>
        <source>Usługa nie odpowiedziała na czas.</source>
        <translation>The service did not answer in time.</translation>
    </message>
    <message>
        <source>Wynik testu NEGATYWNY:</source>
        <translation>Test result NEGATIVE:</translation>
    </message>
    <message>
        <source>Wynik testu pozytywny [ OK ]</source>
        <translation>Test result positive [ OK ]</translation>
    </message>
    <message>
        <source>Nazwa hosta nie może być pusta.

Wprowadź nazwę hosta i spróbuj ponownie.</source>
        <translation>The host name cannot be empty.

Enter a host name and try again.</translation>
    </message>
    <message>
        <source>Nazwa hosta musi być unikalna.

Wprowadź prawidłową nazwę hosta i spróbuj ponownie.</source>
        <translation>The host name must be unique.

Enter a valid host name and try again.</translation>
    </message>
    <message>
        <source>Adres hosta nie może być pusty.

Wprowadź adres hosta i spróbuj ponownie.</source>
        <translation>The host address cannot be empty.

Enter the host address and try again.</translation>
    </message>
    <message>
        <source>Nieprawidłowy numer portu.

Wprowadź wartość z zakresu 1-65535 i spróbuj ponownie.</source>
        <translation>Invalid port number.

Enter a value from 1 to 65535 and try again.</translation>
    </message>
    <message>
        <source>Nazwa użytkownika nie może być pusta.

Wprowadź nazwę użytkownika i spróbuj ponownie.</source>
        <translation>The user name cannot be empty.

Enter a user name and try again.</translation>
    </message>
    <message>
        <source>Hasło nie może być puste.

Wprowadź nowe hasło i spróbuj ponownie.</source>
        <translation>The password cannot be empty.

Enter a new password and try again.</translation>
    </message>
</context>
<context>
    <name>VirtCentWindowTabSettings</name>
    <message>
        <source>Włącz obsługę systemów wirtualizacji</source>
        <translation>Enable the support of virtualization systems</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Włącz powiadomienia mailowe z centrum wirtualizacji</source>
        <translation>Enable e-mail notifications from the virtualization centre</translation>
    </message>
    <message>
        <source>Lista odbiorców powiadomień mailowych</source>
        <translation>Recipients of the e-mail notifications</translation>
    </message>
    <message>
        <source>Maksymalny czas oczekiwania na wyłączenie maszyn [s]</source>
        <translation>Longest wait for the machines to shut down [s]</translation>
    </message>
    <message>
        <source>Maksymalny czas wyłączania maszyny MANAGER [s]
(używany, gdy zarządzanie hostem odbywa się z VM na tym hoście)</source>
        <translation>Longest shutdown time of the MANAGER machine [s]
(used when the host is managed from a VM on that host)</translation>
    </message>
    <message>
        <source>Adres email odbiorcy:
%1
jest nieprawidłowy.

Wprowadź poprawną listę odbiorców i spróbuj ponownie</source>
        <translation>The recipient address:
%1
is not valid.

Enter a correct list of recipients and try again</translation>
    </message>
    <message>
        <source>Parametr czasu oczekiwania na wyłączenie maszyn
musi mieścić się w zakresie 300-3600 sekund.

Wprowadź poprawną wartość i spróbuj ponownie</source>
        <translation>The waiting time for the machines to shut down
must lie between 300 and 3600 seconds.

Enter a correct value and try again</translation>
    </message>
    <message>
        <source>Parametr czasu oczekiwania na wyłączenie maszyn
musi mieścić się w zakresie 60-1200 sekund.

Wprowadź poprawną wartość i spróbuj ponownie</source>
        <translation>The waiting time for the machines to shut down
must lie between 60 and 1200 seconds.

Enter a correct value and try again</translation>
    </message>
    <message>
        <source>Centrum wirtualizacji</source>
        <translation>Virtualization centre</translation>
    </message>
    <message>
        <source>Usługa nie odpowiedziała na czas.</source>
        <translation>The service did not answer in time.</translation>
    </message>
</context>
<context>
    <name>VirtCentWindowTabVirtualization</name>
    <message>
        <source>Nazwa Hosta/Maszyny</source>
        <translation>Host/Machine name</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Szczegóły</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Monitorowanie hosta wyłączone</source>
        <translation>Host monitoring switched off</translation>
    </message>
    <message>
        <source>Monitorowanie hosta zablokowane błędami autoryzacji</source>
        <translation>Host monitoring blocked by authorization errors</translation>
    </message>
    <message>
        <source>Host wyłączony lub nieosiągalny</source>
        <translation>Host switched off or unreachable</translation>
    </message>
    <message>
        <source>Online (%1)</source>
        <translation>Online (%1)</translation>
    </message>
    <message>
        <source>Błąd komunikacji z hostem (%1)</source>
        <translation>Error in the communication with the host (%1)</translation>
    </message>
    <message>
        <source>Centrum wirtualizacji</source>
        <translation>Virtualization centre</translation>
    </message>
    <message>
        <source>Błąd podczas zmiany konfiguracji systemu zarządzającego:

%1</source>
        <translation>Error while changing the configuration of the managing system:

%1</translation>
    </message>
    <message>
        <source>Błąd podczas tworzenia nowej akcji:

%1</source>
        <translation>Error while creating the new action:

%1</translation>
    </message>
    <message>
        <source>Błąd podczas edycji akcji:

%1</source>
        <translation>Error while editing the action:

%1</translation>
    </message>
    <message>
        <source>Błąd podczas usuwania akcji:

%1</source>
        <translation>Error while deleting the action:

%1</translation>
    </message>
    <message>
        <source>Błąd podczas testowania akcji:

%1</source>
        <translation>Error while testing the action:

%1</translation>
    </message>
    <message>
        <source>Usługa nie odpowiedziała na czas.</source>
        <translation>The service did not answer in time.</translation>
    </message>
    <message>
        <source>Akcja została uruchomiona.</source>
        <translation>The action was started.</translation>
    </message>
</context>
<context>
    <name>VirtualizationCenterWindow</name>
    <message>
        <source>Centrum wirtualizacji</source>
        <translation>Virtualization centre</translation>
    </message>
    <message>
        <source>Wirtualizacje</source>
        <translation>Virtualizations</translation>
    </message>
    <message>
        <source>Konfiguracja hostów</source>
        <translation>Host configuration</translation>
    </message>
    <message>
        <source>Ustawienia</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>VmTableWidget</name>
    <message>
        <source>Podgląd</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>System zarządzający</source>
        <translation>Managing system</translation>
    </message>
    <message>
        <source>Akcje</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Testowanie akcji</source>
        <translation>Action test</translation>
    </message>
    <message>
        <source>Konfiguracja systemu zarządzającego</source>
        <translation>Managing system settings</translation>
    </message>
    <message>
        <source>Typ systemu, na którym pracuje usługa Luminorix</source>
        <translation>Type of the system the Luminorix service runs on</translation>
    </message>
    <message>
        <source>Fizyczny komputer</source>
        <translation>Physical computer</translation>
    </message>
    <message>
        <source>Maszyna wirtualna</source>
        <translation>Virtual machine</translation>
    </message>
    <message>
        <source>Nazwa maszyny z Luminorix (manager)</source>
        <translation>Name of the machine with Luminorix (manager)</translation>
    </message>
    <message>
        <source>&lt;Fizyczny Komputer&gt;</source>
        <translation>&lt;Physical Computer&gt;</translation>
    </message>
    <message>
        <source>Po wyłączeniu maszyny MANAGER wyłącz zasilacz UPS</source>
        <translation>Switch the UPS off after the MANAGER machine is shut down</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Zastosuj</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nieaktywny</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Nieaktywny (błąd autoryzacji)</source>
        <translation>Inactive (authorization error)</translation>
    </message>
    <message>
        <source>Niedostępny</source>
        <translation>Unavailable</translation>
    </message>
    <message>
        <source>Dostępny</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Błąd połączenia</source>
        <translation>Connection error</translation>
    </message>
    <message>
        <source>Aktualizacja stanu</source>
        <translation>Updating state</translation>
    </message>
    <message>
        <source>Nieznany/Usunięty</source>
        <translation>Unknown/Removed</translation>
    </message>
    <message>
        <source>Uruchomiona</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Wstrzymana</source>
        <translation>Suspended</translation>
    </message>
    <message>
        <source>Wyłączona</source>
        <translation>Powered off</translation>
    </message>
    <message>
        <source>Niedostępna/Nieznana/Usunięta</source>
        <translation>Unavailable/Unknown/Removed</translation>
    </message>
    <message>
        <source>Zarządzanie akcjami hostów i VM</source>
        <translation>Host and VM actions</translation>
    </message>
    <message>
        <source>Lista akcji</source>
        <translation>Action list</translation>
    </message>
    <message>
        <source>Utwórz nową</source>
        <translation>Create new</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Nazwa akcji</source>
        <translation>Action name</translation>
    </message>
    <message>
        <source>Operacje na wybranych VM</source>
        <translation>Operations on the selected VMs</translation>
    </message>
    <message>
        <source>Operacja na VM:</source>
        <translation>Operation on the VM:</translation>
    </message>
    <message>
        <source>Wyłącz</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Uśpij</source>
        <translation>Suspend</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Uruchom</source>
        <translation>Power on</translation>
    </message>
    <message>
        <source>Wykonaj operację na wszystkich maszynach na wybranych hostach</source>
        <translation>Run the operation on all machines of the selected hosts</translation>
    </message>
    <message>
        <source>Operacje na wybranych hostach</source>
        <translation>Operations on the selected hosts</translation>
    </message>
    <message>
        <source>Po wykonaniu akcji wyłącz wybrane hosty</source>
        <translation>Power off the selected hosts after the action</translation>
    </message>
    <message>
        <source>Uwaga: Wszystkie uruchomione i nie wyłączone (nie uśpione) maszyny wirtualne mogą zostać wyłączone razem z hostem.
Upewnij się, że wszystkie maszyny wirtualne są bezpiecznie wyłączone przed zamknięciem hosta, aby uniknąć utraty danych.
Zaznaczenie opcji &apos;Wykonaj operację na wszystkich maszynach&apos; spowoduje, że
wszystkie działające maszyny wirtualne zostaną bezpiecznie wyłączone.</source>
        <translation>Warning: all virtual machines that are running and not powered off (not suspended) may be powered off together with the host.
Make sure that all virtual machines are shut down safely before the host is, to avoid losing data.
Checking &apos;Run the operation on all machines&apos; makes
all running virtual machines shut down safely.</translation>
    </message>
    <message>
        <source>Dostępne akcje</source>
        <translation>Available actions</translation>
    </message>
    <message>
        <source>Wykonaj akcję</source>
        <translation>Run the action</translation>
    </message>
    <message>
        <source>Usuwanie akcji</source>
        <translation>Removing an action</translation>
    </message>
    <message>
        <source>Czy na pewno chcesz usunąć wybraną akcję:
&quot;%1&quot;?</source>
        <translation>Do you really want to remove the selected action:
&quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Nazwa akcji nie może być pusta</source>
        <translation>The action name cannot be empty</translation>
    </message>
    <message>
        <source>Akcja o podanej nazwie już istnieje</source>
        <translation>An action with this name already exists</translation>
    </message>
    <message>
        <source>Edytowana akcja nie jest zapisana w usłudze</source>
        <translation>The edited action is not stored in the service</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
