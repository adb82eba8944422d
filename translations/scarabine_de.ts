<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>Basted</source>
        <translatorcomment>An old spelling of Bastet that one July date range shows; there is no such variant in German, so the usual name is written.</translatorcomment><translation>Bastet</translation>
    </message>
    <message>
        <source>Amon Ra</source>
        <translation>Amon Ra</translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation>Anubis</translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation>Bastet</translation>
    </message>
    <message>
        <source>Geb</source>
        <translation>Geb</translation>
    </message>
    <message>
        <source>Horus</source>
        <translation>Horus</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Isis</translation>
    </message>
    <message>
        <source>Mut</source>
        <translation>Mut</translation>
    </message>
    <message>
        <source>The Nile</source>
        <translation>Der Nil</translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation>Osiris</translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translatorcomment>German books often write Sachmet; the program keeps the spelling its pictures and report use.</translatorcomment><translation>Sekhmet</translation>
    </message>
    <message>
        <source>Seth</source>
        <translation>Seth</translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation>Thoth</translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation>Amon-Ra</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>The Nile and Horus</source>
        <translation>Der Nil und Horus</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Masculine</source>
        <translatorcomment>The sign's polarity (its yang side), not a grammatical gender.</translatorcomment><translation>Männlich</translation>
    </message>
    <message>
        <source>Amon-Ra</source>
        <translation>Amon-Ra</translation>
    </message>
    <message>
        <source>Generous, Fruitful and Helpful</source>
        <translatorcomment>"Fruitful" as rich in ideas; "fruchtbar" would sound agricultural here.</translatorcomment><translation>Großzügig, schöpferisch und hilfsbereit</translation>
    </message>
    <message>
        <source>The god of Creation</source>
        <translation>Der Gott der Schöpfung</translation>
    </message>
    <message>
        <source>Ram and Goose</source>
        <translation>Widder und Gans</translation>
    </message>
    <message>
        <source>A man with blue skin wearing a crown having double feather plumes</source>
        <translation>Ein Mann mit blauer Haut und einer Krone mit doppelter Federzier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>The principal god of Egypt is Ra - who signifies the wheel of the sun that crosses the sky each day. Joined with Amon, the hidden one of Thebes, he became Amon-Ra, king of the gods and creator of all things. He is shown as a blue skinned man in a crown of two plumes; the ram is sacred.</source>
        <translation>Der höchste Gott Ägyptens ist Ra, der das Rad der Sonne verkörpert, die jeden Tag den Himmel überquert. Mit Amon, dem Verborgenen von Theben, vereint, wurde er zu Amon-Ra, dem König der Götter und Schöpfer aller Dinge. Er wird als Mann mit blauer Haut und einer Krone aus zwei Federn dargestellt; der Widder ist ihm heilig.</translation>
    </message>
    <message>
        <source>People born under Ra are known to be generous and are often the first to help a friend in need. They are natural leaders who inspire confidence, and their warmth and optimism draw many people to them. Fruitful in ideas and helpful in deeds, they work very hard and like to see their plans come to life. They are honest and expect the same from others. On the other side, they can be proud and find it hard to admit a mistake, and they may become stubborn when their authority is questioned. In relationships they are protective and faithful, and they give a lot of themselves. They need a partner who respects them and shares their zest for life.</source>
        <translation>Menschen, die unter Ra geboren sind, gelten als großzügig und sind oft die Ersten, die einem Freund in Not helfen. Sie sind geborene Anführer, die Vertrauen wecken, und ihre Wärme und Zuversicht ziehen viele Menschen an. Reich an Ideen und hilfsbereit in der Tat, arbeiten sie sehr hart und sehen ihre Pläne gern Wirklichkeit werden. Sie sind ehrlich und erwarten dasselbe von anderen. Auf der anderen Seite können sie stolz sein und Fehler nur schwer zugeben, und sie werden mitunter stur, wenn ihre Autorität in Frage gestellt wird. In Beziehungen sind sie beschützend und treu, und sie geben viel von sich. Sie brauchen einen Partner, der sie respektiert und ihre Lebensfreude teilt.</translation>
    </message>
    <message>
        <source>Bastet and Isis</source>
        <translation>Bastet und Isis</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmesinrot</translation>
    </message>
    <message>
        <source>Anubis</source>
        <translation>Anubis</translation>
    </message>
    <message>
        <source>Cunning, Clever, Sympathetic and Persevering</source>
        <translation>Listig, klug, mitfühlend und beharrlich</translation>
    </message>
    <message>
        <source>The god of Death</source>
        <translation>Der Gott des Todes</translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation>Schakal</translation>
    </message>
    <message>
        <source>A jackal headed man</source>
        <translation>Ein Mann mit Schakalkopf</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Anubis symbolizes the head of a wild dog. He is the jackal headed guardian of tombs and the god of embalming, who prepared the body of Osiris. He led the dead into the hall of judgement and watched over the weighing of the heart. </source>
        <translation>Anubis steht für den Kopf eines wilden Hundes. Er ist der schakalköpfige Wächter der Gräber und der Gott der Einbalsamierung, der den Leichnam des Osiris vorbereitete. Er führte die Toten in die Halle des Gerichts und wachte über das Wägen des Herzens. </translation>
    </message>
    <message>
        <source>The Anubis people are very clever and full of concern. They care deeply for the people around them and notice when something is wrong. They are cunning in the best sense, thinking ahead and seeing through tricks and lies. Sympathetic and good listeners, they are the friends that others turn to in hard times. They persevere where others give up, and their patience brings success, late but sure. They like quiet and solitude and need time alone to gather their thoughts. Their weaknesses are a tendency to brood, to be secretive and to hold on to old grudges. In love they are intense and passionate, slow to commit but deeply faithful once they do. They need a partner who gives them space and who respects their silences.</source>
        <translation>Anubis-Menschen sind sehr klug und voller Anteilnahme. Die Menschen um sie herum liegen ihnen sehr am Herzen, und sie merken, wenn etwas nicht stimmt. Sie sind listig im besten Sinne: Sie denken voraus und durchschauen Tricks und Lügen. Mitfühlend und gute Zuhörer, sind sie die Freunde, an die sich andere in schweren Zeiten wenden. Sie halten durch, wo andere aufgeben, und ihre Geduld bringt Erfolg, spät, aber sicher. Sie lieben die Ruhe und das Alleinsein und brauchen Zeit für sich, um ihre Gedanken zu sammeln. Ihre Schwächen sind der Hang zum Grübeln, zur Verschlossenheit und dazu, alten Groll festzuhalten. In der Liebe sind sie tief und leidenschaftlich, binden sich langsam, bleiben dann aber zutiefst treu. Sie brauchen einen Partner, der ihnen Freiraum lässt und ihr Schweigen respektiert.</translation>
    </message>
    <message>
        <source>Horus and Sekhmet</source>
        <translation>Horus und Sekhmet</translation>
    </message>
    <message>
        <source>Yellow Ochre</source>
        <translation>Ockergelb</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Feminine</source>
        <translatorcomment>The sign's polarity (its yin side), not a grammatical gender.</translatorcomment><translation>Weiblich</translation>
    </message>
    <message>
        <source>Bastet</source>
        <translation>Bastet</translation>
    </message>
    <message>
        <source>Anxious and Balanced</source>
        <translation>Ängstlich und ausgeglichen</translation>
    </message>
    <message>
        <source>The goddess of Cats</source>
        <translation>Die Göttin der Katzen</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>A cat headed woman</source>
        <translation>Eine Frau mit Katzenkopf</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Bastet is the goddess who has the body of a woman and the head of a cat. Once a fierce lioness, she became the gentle guardian of the home, of women and children, and of music and joy. Her cats kept the granaries free of mice and snakes. At her city of Bubastis great festivals were held in her honour, and thousands of cats were mummified and buried there with great love and care.</source>
        <translation>Bastet ist die Göttin mit dem Körper einer Frau und dem Kopf einer Katze. Einst eine wilde Löwin, wurde sie zur sanften Hüterin des Hauses, der Frauen und Kinder, der Musik und der Freude. Ihre Katzen hielten die Kornspeicher frei von Mäusen und Schlangen. In ihrer Stadt Bubastis wurden ihr zu Ehren große Feste gefeiert, und Tausende von Katzen wurden dort mit großer Liebe und Sorgfalt mumifiziert und bestattet.</translation>
    </message>
    <message>
        <source>The Bastet people are always on the search out of harmony, and they find it in a calm home, true and close friends and beautiful things. They are gentle, affectionate and charming, and they know how to make others feel welcome. Balanced and fair, they make good judges and peacemakers. Yet beneath the calm they often feel anxious, and they worry about things that may never happen. They have a strong intuition and a love of comfort and pleasure, which can make them a bit lazy at times. They are devoted to their families and loyal to their friends. In love they are sensual and tender, and they need a partner who makes them feel safe and valued.</source>
        <translation>Bastet-Menschen sind stets auf der Suche nach Harmonie, und sie finden sie in einem ruhigen Zuhause, in wahren und engen Freunden und in schönen Dingen. Sie sind sanft, liebevoll und charmant und wissen, wie man anderen das Gefühl gibt, willkommen zu sein. Ausgeglichen und gerecht, sind sie gute Richter und Friedensstifter. Doch unter der Ruhe sind sie oft ängstlich und sorgen sich um Dinge, die vielleicht nie geschehen. Sie haben eine starke Intuition und lieben Bequemlichkeit und Genuss, was sie zuweilen etwas träge machen kann. Sie sind ihrer Familie ergeben und ihren Freunden treu. In der Liebe sind sie sinnlich und zärtlich, und sie brauchen einen Partner, bei dem sie sich sicher und geschätzt fühlen.</translation>
    </message>
    <message>
        <source>Seth and Horus</source>
        <translation>Seth und Horus</translation>
    </message>
    <message>
        <source>Violet Ochre</source>
        <translation>Violetter Ocker</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Geb</source>
        <translation>Geb</translation>
    </message>
    <message>
        <source>Sensitive, Proud and Modest</source>
        <translation>Feinfühlig, stolz und bescheiden</translation>
    </message>
    <message>
        <source>The god of the Earth</source>
        <translation>Der Gott der Erde</translation>
    </message>
    <message>
        <source>Goose</source>
        <translation>Gans</translation>
    </message>
    <message>
        <source>A man with green skin wearing leaves and with a goose over his head</source>
        <translation>Ein Mann mit grüner Haut, in Blätter gekleidet, mit einer Gans auf dem Kopf</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>The rising wet clouds gave birth to the god of Earth, Geb, son of Shu and Tefnut. He lies beneath the sky goddess Nut, his body forming the hills and valleys, and his laughter was said to cause earthquakes. Crops grew from his back. He is shown as a green skinned man wearing leaves with a goose on his head, the Great Cackler.</source>
        <translatorcomment>"The Great Cackler": Geb's epithet as the goose who laid the egg of the world.</translatorcomment><translation>Die aufsteigenden feuchten Wolken brachten den Gott der Erde hervor, Geb, den Sohn von Schu und Tefnut. Er liegt unter der Himmelsgöttin Nut, sein Körper bildet die Hügel und Täler, und sein Lachen soll Erdbeben ausgelöst haben. Auf seinem Rücken wuchs das Getreide. Er wird als Mann mit grüner Haut dargestellt, in Blätter gekleidet, mit einer Gans auf dem Kopf, der Große Schnatterer.</translation>
    </message>
    <message>
        <source>The Geb people are well known for their strong memory. They seldom forget a face, a kindness or an old injury. Sensitive and emotional, they feel the moods of others and are quick to offer comfort. They are proud of what they do but modest about it, and they never seek the spotlight. They love nature and often find peace outdoors. Their sensitivity can make them easily hurt, and they may withdraw when they feel misunderstood. They are honest and loyal, and make good friends who keep a secret. In love they are romantic and gentle, and they need a partner who is kind, reassuring and patient.</source>
        <translation>Geb-Menschen sind für ihr starkes Gedächtnis bekannt. Sie vergessen selten ein Gesicht, eine Freundlichkeit oder eine alte Kränkung. Feinfühlig und gefühlvoll, spüren sie die Stimmungen anderer und spenden schnell Trost. Sie sind stolz auf das, was sie tun, bleiben aber bescheiden und suchen nie das Rampenlicht. Sie lieben die Natur und finden oft draußen ihren Frieden. Ihre Empfindsamkeit macht sie leicht verletzlich, und sie ziehen sich zurück, wenn sie sich missverstanden fühlen. Sie sind ehrlich und treu und gute Freunde, die ein Geheimnis bewahren. In der Liebe sind sie romantisch und sanft, und sie brauchen einen Partner, der gütig, ermutigend und geduldig ist.</translation>
    </message>
    <message>
        <source>Geb and Bastet</source>
        <translation>Geb und Bastet</translation>
    </message>
    <message>
        <source>Red carmine</source>
        <translation>Karminrot</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Horus</source>
        <translation>Horus</translation>
    </message>
    <message>
        <source>Witty, Powerful will and Impatient</source>
        <translation>Geistreich, willensstark und ungeduldig</translation>
    </message>
    <message>
        <source>The god of Pharaoh</source>
        <translation>Der Gott des Pharaos</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>A man falcon headed man</source>
        <translation>Ein Mann mit Falkenkopf</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Horus is the vengeful bird god. Son of Isis and Osiris, he fought his uncle Seth for eighty years to avenge his father and win back the throne of Egypt. He lost an eye in the struggle, and the healed Eye of Horus became a charm of protection. Every pharaoh ruled as the living Horus. He is shown as a falcon or a man with the head of a falcon.</source>
        <translation>Horus ist der rächende Vogelgott. Als Sohn von Isis und Osiris kämpfte er achtzig Jahre lang gegen seinen Onkel Seth, um seinen Vater zu rächen und den Thron Ägyptens zurückzugewinnen. Im Kampf verlor er ein Auge, und das geheilte Horusauge wurde zu einem Schutzamulett. Jeder Pharao herrschte als der lebende Horus. Er wird als Falke oder als Mann mit Falkenkopf dargestellt.</translation>
    </message>
    <message>
        <source>Horus people are people who have very strong will and are determined to reach their goals whatever the cost. They are courageous and ambitious, and they like to be at the centre of affairs. Witty and quick with words, they make good company and generous hosts. They are natural leaders who take responsibility and protect those who rely on them. Their impatience can make them hasty, and they may become bossy when others are slow. They hate to lose and seldom admit defeat. In love they are loyal and warm, and they need a partner who admires them but stands firm and keeps them grounded.</source>
        <translation>Horus-Menschen haben einen sehr starken Willen und sind entschlossen, ihre Ziele um jeden Preis zu erreichen. Sie sind mutig und ehrgeizig und stehen gern im Mittelpunkt des Geschehens. Geistreich und schlagfertig, sind sie angenehme Gesellschaft und großzügige Gastgeber. Sie sind geborene Anführer, die Verantwortung übernehmen und jene beschützen, die sich auf sie verlassen. Ihre Ungeduld kann sie voreilig machen, und sie werden herrisch, wenn andere zu langsam sind. Sie verlieren nicht gern und geben eine Niederlage selten zu. In der Liebe sind sie treu und warmherzig, und sie brauchen einen Partner, der sie bewundert, aber standhaft bleibt und sie auf dem Boden hält.</translation>
    </message>
    <message>
        <source>Osiris and Thoth</source>
        <translation>Osiris und Thoth</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Isis</source>
        <translation>Isis</translation>
    </message>
    <message>
        <source>Active, Confident, Respectable and Outspoken</source>
        <translation>Tatkräftig, selbstbewusst, angesehen und offenherzig</translation>
    </message>
    <message>
        <source>The goddess of Motherhood.</source>
        <translation>Die Göttin der Mutterschaft.</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>A woman wearing the hieroglyph on her head</source>
        <translation>Eine Frau, die die Hieroglyphe auf dem Kopf trägt</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>The supreme messenger of life, Isis is always on the search for what has been lost. She gathered the scattered body of her husband Osiris and raised her son Horus in hiding. Great in magic and healing, she was loved as the mother of all. She wears the throne hieroglyph on her head and spreads her wings to protect.</source>
        <translation>Isis, die höchste Botin des Lebens, ist stets auf der Suche nach dem, was verloren ging. Sie sammelte den zerstreuten Leib ihres Gatten Osiris und zog ihren Sohn Horus im Verborgenen groß. Groß in Zauber und Heilkunst, wurde sie als Mutter aller geliebt. Sie trägt die Hieroglyphe des Throns auf dem Kopf und breitet schützend ihre Flügel aus.</translation>
    </message>
    <message>
        <source>Isis people are known to be very hospitable. They are active and confident, and they speak their mind with frankness. They are respected for their energy and their sense of justice, and they protect those they love fiercely. Their outspoken manner can at times hurt others without meaning to. In love they are romantic and devoted, and they seek a partner who values family as much as they do.</source>
        <translation>Isis-Menschen gelten als sehr gastfreundlich. Sie sind tatkräftig und selbstbewusst und sagen offen ihre Meinung. Man achtet sie für ihre Energie und ihren Gerechtigkeitssinn, und sie beschützen leidenschaftlich, wen sie lieben. Ihre offene Art kann andere zuweilen verletzen, ohne dass sie es wollen. In der Liebe sind sie romantisch und hingebungsvoll, und sie suchen einen Partner, dem die Familie so viel bedeutet wie ihnen.</translation>
    </message>
    <message>
        <source>Amon-Ra and Thoth</source>
        <translation>Amon-Ra und Thoth</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Mut</source>
        <translatorcomment>The goddess's name; not the German word for courage.</translatorcomment><translation>Mut</translation>
    </message>
    <message>
        <source>Ironic</source>
        <translation>Ironisch</translation>
    </message>
    <message>
        <source>The Creator goddess</source>
        <translation>Die Schöpfergöttin</translation>
    </message>
    <message>
        <source>Vulture</source>
        <translation>Geier</translation>
    </message>
    <message>
        <source>A woman with the wings of a vulture</source>
        <translation>Eine Frau mit den Flügeln eines Geiers</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Mut is one of the age old goddess of the Egyptian community. Her name means 'mother', and she was honoured as the creator who gave birth to the world. As the wife of Amon-Ra at Thebes she protected the king and the land. She is shown as a woman wearing the wings of a vulture or the double crown of Egypt, and her great temple stood beside Karnak.</source>
        <translation>Mut ist eine der uralten Göttinnen der Ägypter. Ihr Name bedeutet „Mutter“, und sie wurde als Schöpferin verehrt, die die Welt gebar. Als Gemahlin des Amon-Ra in Theben beschützte sie den König und das Land. Sie wird als Frau mit Geierflügeln oder mit der Doppelkrone Ägyptens dargestellt, und ihr großer Tempel stand neben Karnak.</translation>
    </message>
    <message>
        <source>The Mut people are basically inclined towards the melancholy of life. They feel deeply and notice the sadness that others pass by, which makes them wise and caring companions. They have a strong sense of duty and make devoted parents and reliable friends. Their humour is dry and ironic, and they often use it to hide their true feelings. They are practical and organised, and they do well in work that needs patience and care for details. At times they can be moody, secretive and slow to forgive old hurts. In love they are generous and protective, and once they trust someone they stay faithful. They need a partner who is cheerful and patient with their moods.</source>
        <translation>Mut-Menschen neigen im Grunde zur Melancholie. Sie fühlen tief und bemerken die Traurigkeit, an der andere vorbeigehen, was sie zu weisen und fürsorglichen Gefährten macht. Sie haben ein starkes Pflichtgefühl und sind hingebungsvolle Eltern und verlässliche Freunde. Ihr Humor ist trocken und ironisch, und oft verbergen sie dahinter ihre wahren Gefühle. Sie sind praktisch und ordentlich und leisten gute Arbeit, wo Geduld und Sorgfalt im Detail gefragt sind. Zuweilen können sie launisch und verschlossen sein und alte Kränkungen nur langsam verzeihen. In der Liebe sind sie großzügig und beschützend, und wenn sie jemandem vertrauen, bleiben sie treu. Sie brauchen einen Partner, der fröhlich ist und Geduld mit ihren Launen hat.</translation>
    </message>
    <message>
        <source>Amon-Ra and Seth</source>
        <translation>Amon-Ra und Seth</translation>
    </message>
    <message>
        <source>Deep red</source>
        <translation>Tiefrot</translation>
    </message>
    <message>
        <source>Deep blue</source>
        <translation>Tiefblau</translation>
    </message>
    <message>
        <source>Nile</source>
        <translation>Nil</translation>
    </message>
    <message>
        <source>Peace loving, Practical and Logical minded</source>
        <translation>Friedliebend, praktisch und logisch denkend</translation>
    </message>
    <message>
        <source>The goddess of who saved the Nile</source>
        <translation>Die Göttin, die den Nil rettete</translation>
    </message>
    <message>
        <source>Antelope</source>
        <translation>Antilope</translation>
    </message>
    <message>
        <source>A woman with antelope horns</source>
        <translation>Eine Frau mit Antilopenhörnern</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>It is known by all of us that the river Nile is the source of life in Egypt. Its yearly flood was honoured as the gift of Hapi, who was shown as a plump man bearing food, and of Anuket, the goddess of the cataracts who wore a crown of antelope horns. She nourished the fields and the people on its banks.</source>
        <translation>Wir alle wissen, dass der Nil die Quelle des Lebens in Ägypten ist. Seine jährliche Flut wurde als Gabe des Hapi verehrt, der als wohlgenährter Mann mit Speisen dargestellt wurde, und der Anuket, der Göttin der Katarakte, die eine Krone aus Antilopenhörnern trug. Sie nährte die Felder und die Menschen an seinen Ufern.</translation>
    </message>
    <message>
        <source>The Nile people are generally famous as being peace lovers and makers. They dislike conflict and will go a very long way to calm a quarrel between friends. Practical and logical minded, they think before they act and rarely make hasty choices. They are passionate underneath their calm, and once they give their heart they are loyal for life. They can be shy with strangers and sometimes hide their feelings too well, so others may think them distant. In love they seek a partner who shares their wish for a quiet and harmonious home.</source>
        <translation>Nil-Menschen sind allgemein dafür bekannt, den Frieden zu lieben und zu stiften. Sie meiden Streit und tun sehr viel, um einen Zwist unter Freunden zu schlichten. Praktisch und logisch denkend, überlegen sie, bevor sie handeln, und treffen selten vorschnelle Entscheidungen. Unter ihrer Ruhe sind sie leidenschaftlich, und wenn sie ihr Herz verschenken, bleiben sie ein Leben lang treu. Fremden gegenüber können sie schüchtern sein und verbergen ihre Gefühle manchmal zu gut, sodass andere sie für distanziert halten. In der Liebe suchen sie einen Partner, der ihren Wunsch nach einem ruhigen und harmonischen Zuhause teilt.</translation>
    </message>
    <message>
        <source>Isis and Thoth</source>
        <translation>Isis und Thoth</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Osiris</source>
        <translation>Osiris</translation>
    </message>
    <message>
        <source>Dual Personality and Indecisive</source>
        <translation>Zwiespältig und unentschlossen</translation>
    </message>
    <message>
        <source>The god of after life</source>
        <translation>Der Gott des Jenseits</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>A mummy like green skinned man</source>
        <translation>Ein mumienartiger Mann mit grüner Haut</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>According to the Egyptians, Osiris came into existence during the period of creation as the first king of Egypt. Slain by his jealous brother Seth and brought back by Isis, he became lord of the afterlife and judge of the dead. He is shown as a green skinned mummy holding a crook and flail.</source>
        <translation>Nach dem Glauben der Ägypter trat Osiris in der Zeit der Schöpfung als erster König Ägyptens ins Dasein. Von seinem eifersüchtigen Bruder Seth erschlagen und von Isis zurückgeholt, wurde er zum Herrn des Jenseits und Richter der Toten. Er wird als grünhäutige Mumie mit Krummstab und Geißel dargestellt.</translation>
    </message>
    <message>
        <source>Osiris people are generally double personality people. One side is strong, bold and full of energy, while the other is vulnerable and gentle. They are independent and love a challenge, yet they often hesitate when a decision has to be made. In love they are passionate and generous, and need a partner who is patient.</source>
        <translation>Osiris-Menschen haben meist eine doppelte Persönlichkeit. Die eine Seite ist stark, kühn und voller Energie, die andere verletzlich und sanft. Sie sind unabhängig und lieben Herausforderungen, zögern aber oft, wenn eine Entscheidung ansteht. In der Liebe sind sie leidenschaftlich und großzügig und brauchen einen geduldigen Partner.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Sekhmet</source>
        <translation>Sekhmet</translation>
    </message>
    <message>
        <source>Intelligent, Observant and Authoritative</source>
        <translation>Intelligent, aufmerksam und bestimmt</translation>
    </message>
    <message>
        <source>The goddess of War</source>
        <translation>Die Göttin des Krieges</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>A lion headed woman</source>
        <translation>Eine Frau mit Löwenkopf</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>The Sekhmet is known to be the symbol of the 'good order,' and she guarded it fiercely. A lioness goddess of war, her breath was the hot desert wind. Ra sent her to punish mankind, and she was only stopped when she drank beer dyed red like blood. She also held the power to send plague and to cure it.</source>
        <translatorcomment>"Good order" stands for Maat, the Egyptian idea of right order; German has no single word for it.</translatorcomment><translation>Sekhmet gilt als Sinnbild der „guten Ordnung“, und sie hütete sie mit aller Kraft. Als löwengestaltige Göttin des Krieges war ihr Atem der heiße Wüstenwind. Ra sandte sie aus, um die Menschheit zu strafen, und aufhalten ließ sie sich erst, als sie blutrot gefärbtes Bier trank. Sie hatte auch die Macht, Seuchen zu senden und zu heilen.</translation>
    </message>
    <message>
        <source>The Sekhmet people can be extremes. They are either calm or fierce, with little in between. Intelligent and observant, they notice every detail and judge situations quickly. They are authoritative and make natural leaders, and they are admired for their honesty. They work hard and expect the same from others, which can make them seem strict. They are quick to anger, but just as quick to forgive. In love they are passionate and protective, and they need a partner who is strong and honest.</source>
        <translation>Sekhmet-Menschen neigen zu Extremen. Sie sind entweder ruhig oder wild, mit wenig dazwischen. Intelligent und aufmerksam, bemerken sie jedes Detail und beurteilen Lagen schnell. Sie treten bestimmt auf, sind geborene Anführer und werden für ihre Ehrlichkeit bewundert. Sie arbeiten hart und erwarten dasselbe von anderen, was sie streng wirken lassen kann. Sie sind schnell zornig, verzeihen aber ebenso schnell. In der Liebe sind sie leidenschaftlich und beschützend, und sie brauchen einen Partner, der stark und ehrlich ist.</translation>
    </message>
    <message>
        <source>Geb and The Nile</source>
        <translation>Geb und der Nil</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Seth</source>
        <translation>Seth</translation>
    </message>
    <message>
        <source>Irrational and Perfectionist</source>
        <translation>Unberechenbar und perfektionistisch</translation>
    </message>
    <message>
        <source>The god of Evil</source>
        <translation>Der Gott des Bösen</translation>
    </message>
    <message>
        <source>The legendary 'Seth' animal</source>
        <translation>Das sagenhafte Seth-Tier</translation>
    </message>
    <message>
        <source>Sometimes seen as a pig or a hippopotamus, a man with a donkey head</source>
        <translation>Mal als Schwein oder Nilpferd gesehen, ein Mann mit Eselskopf</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>The god of solitude is Seth as per the Egyptian religion. Lord of the desert, storms and foreign lands, he murdered his brother Osiris and fought Horus for the throne. Yet he also stood at the prow of the boat of Ra, spearing the serpent Apophis at night. He is shown with the head of a strange beast with a long snout.</source>
        <translation>Nach der ägyptischen Religion ist Seth der Gott der Einsamkeit. Als Herr der Wüste, der Stürme und der fremden Länder ermordete er seinen Bruder Osiris und kämpfte mit Horus um den Thron. Doch er stand auch am Bug der Barke des Ra und durchbohrte des Nachts die Schlange Apophis. Er wird mit dem Kopf eines seltsamen Tieres mit langer Schnauze dargestellt.</translation>
    </message>
    <message>
        <source>The Seth people always seek changes in life. They get bored with routine and love to try new places, ideas and challenges. They are perfectionists who set high standards for themselves and others, and they work hard to meet them. Their moods can be irrational and sudden, and they may act on impulse and regret it later. They are charming and communicative, and can talk their way through almost any situation. They dislike being told what to do and need freedom to grow and learn. In love they are passionate and full of surprises, and they need a partner who is patient, understanding and ready for a new adventure.</source>
        <translation>Seth-Menschen suchen im Leben stets die Veränderung. Routine langweilt sie, und sie probieren gern neue Orte, Ideen und Herausforderungen aus. Sie sind Perfektionisten, die an sich und andere hohe Ansprüche stellen, und arbeiten hart, um sie zu erfüllen. Ihre Stimmungen können unberechenbar und plötzlich sein, und manchmal handeln sie aus einem Impuls heraus und bereuen es später. Sie sind charmant und gesprächig und können sich aus fast jeder Lage herausreden. Sie mögen es nicht, wenn man ihnen sagt, was sie tun sollen, und brauchen Freiheit, um zu wachsen und zu lernen. In der Liebe sind sie leidenschaftlich und voller Überraschungen, und sie brauchen einen Partner, der geduldig und verständnisvoll ist und bereit für ein neues Abenteuer.</translation>
    </message>
    <message>
        <source>Isis and Bastet</source>
        <translation>Isis und Bastet</translation>
    </message>
    <message>
        <source>Thoth</source>
        <translation>Thoth</translation>
    </message>
    <message>
        <source>Kind, Enthusiastic and Brave</source>
        <translation>Gütig, begeisterungsfähig und mutig</translation>
    </message>
    <message>
        <source>The god of Wisdom</source>
        <translation>Der Gott der Weisheit</translation>
    </message>
    <message>
        <source>Baboon and Ibis</source>
        <translation>Pavian und Ibis</translation>
    </message>
    <message>
        <source>A baboon or an ibis headed man</source>
        <translation>Ein Pavian oder ein Mann mit Ibiskopf</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Thoth the bird-god is quite modest. With the head of an ibis, or in the shape of a baboon, he is the god of wisdom, writing and the moon. He invented the hieroglyphs, kept the records of the gods and weighed the hearts of the dead beside Anubis. Scribes prayed to him before starting work.</source>
        <translation>Thoth, der Vogelgott, ist recht bescheiden. Mit dem Kopf eines Ibis oder in Gestalt eines Pavians ist er der Gott der Weisheit, der Schrift und des Mondes. Er erfand die Hieroglyphen, führte die Aufzeichnungen der Götter und wog neben Anubis die Herzen der Toten. Schreiber beteten zu ihm, bevor sie ihre Arbeit begannen.</translation>
    </message>
    <message>
        <source>Thoth people are basically innocent type and have a very good memory and a curious mind. They love to learn and are always ready to help others with their knowledge. Kind and enthusiastic, they bring energy to everything they do and cheer the people around them. They are brave when a friend needs them and do not shy away from a fair contest. They are inventive and good at solving problems, and often shine in writing, teaching or science. Their weakness is a tendency to trust too easily and to take on too many tasks at once. In relationships they are romantic and faithful, and they need a partner who shares their love of ideas and who can keep pace with their lively spirit.</source>
        <translation>Thoth-Menschen sind im Grunde arglos, haben ein sehr gutes Gedächtnis und einen wissbegierigen Geist. Sie lernen gern und sind stets bereit, anderen mit ihrem Wissen zu helfen. Gütig und begeisterungsfähig, bringen sie Schwung in alles, was sie tun, und muntern die Menschen um sich herum auf. Sie sind mutig, wenn ein Freund sie braucht, und scheuen keinen fairen Wettstreit. Sie sind erfinderisch, lösen gern Probleme und glänzen oft im Schreiben, Lehren oder in der Wissenschaft. Ihre Schwäche ist, zu leicht zu vertrauen und zu viele Aufgaben auf einmal zu übernehmen. In Beziehungen sind sie romantisch und treu, und sie brauchen einen Partner, der ihre Liebe zu Ideen teilt und mit ihrem lebhaften Geist Schritt halten kann.</translation>
    </message>
</context>
<context>
    <name>Composer</name>
    <message>
        <source>Ruling Deity :-</source>
        <translation>Herrschende Gottheit :-</translation>
    </message>
    <message>
        <source>Appearance :-</source>
        <translation>Erscheinung :-</translation>
    </message>
    <message>
        <source>Sacred Animal :-</source>
        <translation>Heiliges Tier :-</translation>
    </message>
    <message>
        <source>Keywords :-</source>
        <translation>Stichworte :-</translation>
    </message>
    <message>
        <source>Compatible Signs :-</source>
        <translation>Passende Zeichen :-</translation>
    </message>
    <message>
        <source>Lucky Color for Male :-</source>
        <translation>Glücksfarbe für Männer :-</translation>
    </message>
    <message>
        <source>Lucky Color for Female :-</source>
        <translation>Glücksfarbe für Frauen :-</translation>
    </message>
    <message>
        <source>Polarity :-</source>
        <extracomment>Masculine or feminine, as the sign's nature (yang or yin), not grammar.</extracomment>
        <translation>Polarität :-</translation>
    </message>
    <message>
        <source>Role :-</source>
        <translation>Rolle :-</translation>
    </message>
    <message>
        <source>Corresponding Zodiac Sign :-</source>
        <translation>Entsprechendes Tierkreiszeichen :-</translation>
    </message>
    <message>
        <source>Description of God/ Goddess :-</source>
        <translation>Beschreibung des Gottes / der Göttin :-</translation>
    </message>
    <message>
        <source>Characteristics of people under this Sign :-</source>
        <translation>Wesenszüge der Menschen dieses Zeichens :-</translation>
    </message>
    <message>
        <source>Your Egyptian Astrology Sign is :-</source>
        <translatorcomment>"Egyptian astrology sign": German says Sternzeichen for a sign of any astrology.</translatorcomment><translation>Ihr ägyptisches Sternzeichen ist :-</translation>
    </message>
    <message>
        <source>Your Partner's Egyptian Astrology Sign is :-</source>
        <translation>Das ägyptische Sternzeichen Ihres Partners ist :-</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Scarabine is a freeware that finds your compatibility with your partner on the basis of Egyptian astrology. Egyptian zodiac is based on the Gods / Goddesses of Egypt who are looked upto with great reverence. All rights to this software belong to Orlenda Softwares.</source>
        <translation>Scarabine ist eine kostenlose Software, die Ihre Verträglichkeit mit Ihrem Partner nach der ägyptischen Astrologie ermittelt. Der ägyptische Tierkreis beruht auf den Göttern und Göttinnen Ägyptens, die mit großer Ehrfurcht verehrt werden. Alle Rechte an dieser Software liegen bei Orlenda Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit www.orlenda.com</source>
        <translation>Hier klicken, um www.orlenda.com zu besuchen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software mit Ihrer eigenen Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für Details.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FrmDisplay</name>
    <message>
        <source>Your Characteristics</source>
        <translation>Ihre Wesenszüge</translation>
    </message>
    <message>
        <source>Your Partner's Characteristics</source>
        <translation>Wesenszüge Ihres Partners</translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation>Verträglichkeit mit Ihrem Partner</translation>
    </message>
    <message>
        <source>Report pages</source>
        <translation>Seiten des Berichts</translation>
    </message>
    <message>
        <source>Your sign report</source>
        <translation>Bericht zu Ihrem Zeichen</translation>
    </message>
    <message>
        <source>Your partner's sign report</source>
        <translation>Bericht zum Zeichen Ihres Partners</translation>
    </message>
    <message>
        <source>Egyptian Astrology Sign</source>
        <translation>Ägyptisches Sternzeichen</translation>
    </message>
    <message>
        <source>Egyptian Astrology Compatibility Result</source>
        <translation>Ergebnis der ägyptischen Partnerastrologie</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Date Of Birth</source>
        <translation>Ihr Geburtsdatum</translation>
    </message>
    <message>
        <source>Your Egyptian Sign</source>
        <translation>Ihr ägyptisches Zeichen</translation>
    </message>
    <message>
        <source>Your Partner's Name</source>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>Your Partner's Date Of Birth</source>
        <translation>Geburtsdatum Ihres Partners</translation>
    </message>
    <message>
        <source>Your Partner's Egyptian Sign</source>
        <translation>Ägyptisches Zeichen Ihres Partners</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translatorcomment>Access key U: D belongs to the File menu (Datei).</translatorcomment><translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>FrmFarewell</name>
    <message>
        <source>Orlenda Softwares, such as this can be created and maintained only with your support. Please support the Orlenda Discussion Board by visiting it regularly and taking part in its discussions. Every visit keeps this program free.</source>
        <translation>Orlenda-Programme wie dieses können nur mit Ihrer Unterstützung entstehen und gepflegt werden. Bitte unterstützen Sie das Orlenda-Diskussionsforum, indem Sie es regelmäßig besuchen und sich an seinen Diskussionen beteiligen. Jeder Besuch hält dieses Programm kostenlos.</translation>
    </message>
    <message>
        <source>Please visit the Orlenda Discussion Board regularly and take part in its discussions. Programs like this one cannot be maintained without such visits, so every visit you make keeps them alive and free of charge.</source>
        <translation>Bitte besuchen Sie regelmäßig das Orlenda-Diskussionsforum und beteiligen Sie sich an seinen Diskussionen. Programme wie dieses lassen sich ohne solche Besuche nicht pflegen; jeder Ihrer Besuche hält sie am Leben und kostenlos.</translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board is a free online discussion forum. Please visit it regularly: your visits help us to maintain this program and keep it free to all.</source>
        <translation>Das Orlenda-Diskussionsforum ist ein kostenloses Online-Forum. Bitte besuchen Sie es regelmäßig: Ihre Besuche helfen uns, dieses Programm zu pflegen und für alle kostenlos zu halten.</translation>
    </message>
    <message>
        <source>The Orlenda Discussion Board needs your help. Visiting it regularly and taking part in its discussions helps us maintain it and develop more Orlenda Softwares for you and all who use them. Thanks.</source>
        <translation>Das Orlenda-Diskussionsforum braucht Ihre Hilfe. Regelmäßige Besuche und Beiträge zu seinen Diskussionen helfen uns, es zu pflegen und weitere Orlenda-Programme für Sie und alle Nutzer zu entwickeln. Danke.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in the other programs made by Orlenda Softwares. Astrology, numerology, love calculators, name meanings, greeting tools and many more utilities are waiting for you, all of them free to download and use at home or at work.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, werden Sie sich sicher auch für die anderen Programme von Orlenda Softwares interessieren. Astrologie, Numerologie, Liebesrechner, Namensbedeutungen, Grußkarten-Werkzeuge und viele weitere Helfer warten auf Sie, alle kostenlos zum Herunterladen und zur Nutzung zu Hause oder bei der Arbeit.</translation>
    </message>
    <message>
        <source>Every program is small, quick to install and easy to use. Visit our web site today, download the programs you like and share them with your friends and family. Come back often: new titles and updates are added to our web site every month, and each of them is free of charge.</source>
        <translation>Jedes Programm ist klein, schnell installiert und einfach zu bedienen. Besuchen Sie noch heute unsere Website, laden Sie die Programme herunter, die Ihnen gefallen, und teilen Sie sie mit Freunden und Familie. Schauen Sie oft vorbei: Jeden Monat kommen neue Titel und Aktualisierungen hinzu, und alle sind kostenlos.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Yes! Take me to the Orlenda Discussion Board now, I want to support it.</source>
        <translation>Ja! Jetzt zum Orlenda-Diskussionsforum, ich möchte es unterstützen.</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Download Orlenda Softwares</source>
        <translation>Orlenda-Programme herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Orlenda Softwares</source>
        <translation>Hier klicken: Orlenda Softwares besuchen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend's email address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Friend's name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Opens the refer-a-friend page with these details</source>
        <translation>Öffnet die Empfehlungsseite mit diesen Angaben</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Name :-</source>
        <translation>Name :-</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>The day of the month, heading its list.</translatorcomment><translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Date O Birth :-</source>
        <extracomment>"Date of birth", in the window's old-fashioned spelling.</extracomment>
        <translation>Geburtsdatum :-</translation>
    </message>
    <message>
        <source>Letters and blanks only; letters appear in capitals</source>
        <translation>Nur Buchstaben und Leerzeichen; Buchstaben erscheinen als Großbuchstaben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Get My Egyptian Astrology Compatibility</source>
        <translatorcomment>"Astrology compatibility": German says Partnerastrologie for astrology about two people.</translatorcomment><translation>Meine ägyptische Partnerastrologie ermitteln</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Please Fill in Your Personal Details</source>
        <translation>Bitte geben Sie Ihre persönlichen Daten ein</translation>
    </message>
    <message>
        <source>Know your Egyptian Astrology Sign. Get your compatibility with your partner on the basis of Egyptian Astrology! Just enter your birth details and you are all set to go!</source>
        <translation>Erfahren Sie Ihr ägyptisches Sternzeichen und Ihre Verträglichkeit mit Ihrem Partner nach der ägyptischen Astrologie! Geben Sie einfach die Geburtsdaten ein, und schon kann es losgehen!</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Your Partner's Details</source>
        <translation>Angaben Ihres Partners</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Ihr Geburtstag</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Ihr Geburtsmonat</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Ihr Geburtsjahr</translation>
    </message>
    <message>
        <source>Your partner's name</source>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner's birth day</source>
        <translation>Geburtstag Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner's birth month</source>
        <translation>Geburtsmonat Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner's birth year</source>
        <translation>Geburtsjahr Ihres Partners</translation>
    </message>
    <message>
        <source>Get My &amp;Egyptian Astrology Compatibility</source>
        <translation>Meine ägyptische Partnerastrologie &amp;ermitteln</translation>
    </message>
    <message>
        <source>Shows both signs and your compatibility in the report window</source>
        <translation>Zeigt beide Zeichen und Ihre Verträglichkeit im Berichtsfenster</translation>
    </message>
</context>
<context>
    <name>NameKeyFilter</name>
    <message>
        <source>Please Enter Only Alphabet</source>
        <extracomment>Shown when a name box is given anything but a letter, a blank, Enter or Backspace.</extracomment>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
</context>
<context>
    <name>Placeholder</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend's Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend's Email Address</source>
        <translation>E-Mail des Freundes</translation>
    </message>
</context>
<context>
    <name>Promotion</name>
    <message>
        <source>The Most Popular Online Orlenda Discussion Board. Best Resource For Everything Orlenda. Visit our discussion board at www.orlenda.com!</source>
        <translation>Das beliebteste Orlenda-Diskussionsforum im Netz. Die beste Quelle für alles rund um Orlenda. Besuchen Sie unser Forum auf www.orlenda.com!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software mit Ihrer eigenen Marke für Ihre Website. Hier klicken für weitere Einzelheiten.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Which way the language is written: "LTR" (left to right) or "RTL" (right to left).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1's Characteristics</source>
        <extracomment>A tab's caption: %1 is a person's name as typed.</extracomment>
        <translation>Wesenszüge von %1</translation>
    </message>
    <message>
        <source>Compatibility With Your Partner</source>
        <translation>Verträglichkeit mit Ihrem Partner</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend's Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Für diese Software gibt es vielleicht eine Aktualisierung.
Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message>
        <source>%1 can be changed by other users.</source>
        <translation>%1 kann von anderen Benutzern geändert werden.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Egyptian Astrology Report</source>
        <translation>Bericht zur ägyptischen Astrologie</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>The report could not be printed: printing is not installed.

%1</source>
        <translation>Der Bericht konnte nicht gedruckt werden: Das Drucken ist nicht installiert.

%1</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Der Bericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach A&amp;ktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translatorcomment>Access key S: B is Besuchen's in the same menu, and not every keyboard has an Ü.</translatorcomment><translation>Über die &amp;Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translatorcomment>Access key N: S belongs to Save in the report window.</translatorcomment><translation>Spe&amp;nden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your Name!</source>
        <translation>Bitte geben Sie Ihren Namen ein!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner's Name!</source>
        <translation>Bitte geben Sie den Namen Ihres Partners ein!</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date Of Birth !</source>
        <translation>Bitte geben Sie Ihr richtiges Geburtsdatum ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Birth Of Your Partner !</source>
        <translation>Bitte geben Sie das richtige Geburtsdatum Ihres Partners ein!</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You both are very highly compatible</source>
        <translation>Sie beide passen hervorragend zueinander</translation>
    </message>
    <message>
        <source>You both are not very compatible</source>
        <translation>Sie beide passen nicht sehr gut zueinander</translation>
    </message>
</context>
</TS>